#pragma once

#include <QApplication>

// The program's application object. An exception that no handler catches is
// shown by the general error display and ends only the event that raised it.
class SelvaneApplication : public QApplication
{
public:
    SelvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
