#pragma once

#include <QWidget>

// Placeholder until the month calendar control lands.
class TmxCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit TmxCalendar(QWidget* parent = nullptr) : QWidget(parent) {}
};
