#include "base/BaseLog.h"

#include "base/LumbraError.h"
#include "base/Result.h"

Q_LOGGING_CATEGORY(lcBase, "lumbra.base")

void LogCaughtException(const QLoggingCategory& category, const char* context) {
    try {
        throw;
    } catch (const LumbraError& e) {
        qCWarning(category).noquote() << context << "-" << e.Message();
    } catch (const std::exception& e) {
        qCWarning(category).noquote() << context << "-" << ExceptionText(e);
    } catch (...) {
        qCWarning(category).noquote() << context << "- unknown error";
    }
}

void LogFailure(const QLoggingCategory& category, const QString& step, const Failure& failure) {
    qCWarning(category).noquote() << step << "-" << failure.detail;
}
