#pragma once

#include "app/messages.h"

#include <QList>
#include <QString>
#include <QStringList>

// Replaces the message dialogs for the life of a test: records every message
// and answers confirmations from a queue (No when the queue is empty).
class MessageRecorder
{
public:
    struct Message
    {
        Messages::Kind kind;
        QString text;
    };

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void setNextAnswer(bool yes) { m_answers.append(yes); }
    const QList<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    QStringList texts(Messages::Kind kind) const;
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    QList<bool> m_answers;
    Messages::Sink m_previous;
};

const char* toString(Messages::Kind kind);
