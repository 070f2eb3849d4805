#include "messagerecorder.h"

MessageRecorder::MessageRecorder()
{
    m_previous = Messages::setSink([this](Messages::Kind kind, const QString& text) {
        m_messages.append({kind, text});
        return kind == Messages::Kind::Confirm && !m_answers.isEmpty() && m_answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setSink(std::move(m_previous));
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const Message& m : m_messages)
        out << m.text;
    return out;
}

QStringList MessageRecorder::texts(Messages::Kind kind) const
{
    QStringList out;
    for (const Message& m : m_messages)
        if (m.kind == kind)
            out << m.text;
    return out;
}

const char* toString(Messages::Kind kind)
{
    switch (kind) {
    case Messages::Kind::Error:
        return "Error";
    case Messages::Kind::Information:
        return "Information";
    case Messages::Kind::Warning:
        return "Warning";
    case Messages::Kind::Confirm:
        return "Confirm";
    case Messages::Kind::General:
        return "General";
    }
    return "?";
}
