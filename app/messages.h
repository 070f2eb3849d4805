#pragma once

#include <QString>
#include <functional>

class QWidget;

// The one way out for every message the program shows, and the wait cursor.
// Tests install a sink of their own to read each message and to answer
// confirmations; nothing else in the program calls QMessageBox.
namespace Messages {

enum class Kind
{
    Error,
    Information,
    Warning,
    Confirm,
    General
};

// Receives a message; for Confirm the result is the answer (true = Yes).
using Sink = std::function<bool(Kind kind, const QString& text)>;

// Installs a sink and returns the previous one; an empty sink restores the dialogs.
Sink setSink(Sink sink);

void error(const QString& text);
void information(const QString& text);
void warning(const QString& text);
bool confirm(const QString& text);
// The application's general error display: the message, a stop icon and OK.
void generalError(const QString& text);

// The application-wide wait cursor for the life of the object.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs a handler; an exception it lets escape is shown by the general error
// display and ends only that handler. Exceptions must not cross Qt's event loop.
void guarded(const std::function<void()>& handler);

} // namespace Messages
