#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries, as the forecast button
// needs for its large three-line text.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
