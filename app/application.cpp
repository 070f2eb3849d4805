#include "app/application.h"

#include "app/messages.h"

#include <QStyleFactory>

SelvaneApplication::SelvaneApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // One look on every desktop, close to the flat controls the program was drawn for.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

bool SelvaneApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    Messages::guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
