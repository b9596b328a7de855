#include "base/IntroSettings.h"

#include "base/AtomicWrite.h"
#include "base/BaseLog.h"
#include "base/KeyValueLine.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"

namespace {
const QString kIntroPanelKey = QStringLiteral("IntroPanel");
}

QString IntroPanelValue(const QString& text) {
    QString value = QStringLiteral("1");
    for (const QString& line : SplitTextLines(text)) {
        const std::optional<KeyValueLine> entry = SplitKeyValueLine(line);
        if (entry && entry->key == kIntroPanelKey)
            value = entry->value;
    }
    return value;
}

bool IntroductionWanted(const QString& settingsPath) {
    const std::optional<QByteArray> text = ReadRegularFile(settingsPath, kMaxTextFileBytes);
    if (!text)
        return true;
    return IntroPanelValue(QString::fromLocal8Bit(*text)) == QLatin1String("1");
}

bool WriteIntroPanelSetting(const QString& settingsPath, bool show) {
    const QString line =
        kIntroPanelKey + (show ? QStringLiteral("=1\r\n") : QStringLiteral("=0\r\n"));
    try {
        WriteFileAtomically(settingsPath, line.toLocal8Bit());
    } catch (const LumbraError&) {
        LogCaughtException(lcBase(), "Writing the settings file (reported as false)");
        return false;
    }
    return true;
}
