#include "base/BaseLog.h"
#include "base/LumbraError.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList gMessages;

void Collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg)
        gMessages << QString::fromLatin1(context.category) + QLatin1Char(' ') + message;
}

QStringList LogOf(const std::function<void()>& thrower) {
    gMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    try {
        thrower();
    } catch (...) {
        LogCaughtException(lcBase(), "reading the list");
    }
    qInstallMessageHandler(previous);
    return gMessages;
}

} // namespace

TEST(BaseLog, CaughtExceptionsAreLoggedWithTheirMessageUnderTheCategory) {
    EXPECT_EQ(LogOf([] { throw LumbraError(QStringLiteral("disk full")); }),
              QStringList{"lumbra.base reading the list - disk full"});
    EXPECT_EQ(LogOf([] { throw std::out_of_range("index 7"); }),
              QStringList{"lumbra.base reading the list - index 7"});
    EXPECT_EQ(LogOf([] { throw 42; }), QStringList{"lumbra.base reading the list - unknown error"});
}
