#include "base/Result.h"

#include "base/LumbraError.h"

QString ExceptionText(const std::exception& e) { return QString::fromUtf8(e.what()); }

Failure CaughtFailure(const QString& message) {
    try {
        throw;
    } catch (const LumbraError& e) {
        return {e.UserMessage().isEmpty() ? message : e.UserMessage(), e.Message()};
    } catch (const std::exception& e) {
        return {message, ExceptionText(e)};
    } catch (...) {
        return {message, QStringLiteral("unknown error")};
    }
}
