#pragma once

#include <QString>
#include <stdexcept>

// The one exception type the core throws where an operation fails and the
// caller must decide what to tell the user. The message names what failed
// for the log; a user message, translated, is what the user may be shown
// (CaughtFailure in base/Result.h picks it).
class LumbraError : public std::runtime_error {
public:
    explicit LumbraError(const QString& message, const QString& userMessage = {})
        : std::runtime_error(message.toStdString()), mMessage(message), mUserMessage(userMessage) {}
    const QString& Message() const { return mMessage; }
    const QString& UserMessage() const { return mUserMessage; }

private:
    QString mMessage;
    QString mUserMessage;
};
