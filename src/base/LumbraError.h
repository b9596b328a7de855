#pragma once

#include <QString>
#include <stdexcept>

// The one exception type the core throws where an operation fails and the
// caller must decide what to tell the user.
class LumbraError : public std::runtime_error {
public:
    explicit LumbraError(const QString& message)
        : std::runtime_error(message.toStdString()), mMessage(message) {}
    const QString& Message() const { return mMessage; }

private:
    QString mMessage;
};
