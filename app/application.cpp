#include "app/application.h"

#include "app/messages.h"

SelvaneApplication::SelvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool SelvaneApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    Messages::guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
