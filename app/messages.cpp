#include "app/messages.h"

#include "app/apperror.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace Messages {
namespace {

Sink& currentSink()
{
    static Sink sink;
    return sink;
}

bool showDialog(Kind kind, const QString& text)
{
    QWidget* parent = QApplication::activeWindow();
    switch (kind) {
    case Kind::Error:
        QMessageBox::critical(parent, QStringLiteral("Error"), text);
        return false;
    case Kind::Information:
        QMessageBox::information(parent, QStringLiteral("Information"), text);
        return false;
    case Kind::Warning:
        QMessageBox::warning(parent, QStringLiteral("Warning"), text);
        return false;
    case Kind::Confirm:
        return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    case Kind::General:
        QMessageBox::critical(parent, QStringLiteral("Selvane"), text);
        return false;
    }
    return false;
}

bool deliver(Kind kind, const QString& text)
{
    if (const Sink& sink = currentSink())
        return sink(kind, text);
    // A wait cursor must not hide behind a message the user has to answer.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool answer = showDialog(kind, text);
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return answer;
}

} // namespace

Sink setSink(Sink sink)
{
    Sink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void error(const QString& text)
{
    deliver(Kind::Error, text);
}
void information(const QString& text)
{
    deliver(Kind::Information, text);
}
void warning(const QString& text)
{
    deliver(Kind::Warning, text);
}
bool confirm(const QString& text)
{
    return deliver(Kind::Confirm, text);
}
void generalError(const QString& text)
{
    deliver(Kind::General, text);
}

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const AppError& e) {
        generalError(e.message());
    } catch (const std::exception& e) {
        generalError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        generalError(QStringLiteral("Unknown error"));
    }
}

} // namespace Messages
