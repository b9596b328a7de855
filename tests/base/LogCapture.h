#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the warnings logged while it lives, each as "category message".
class LogCapture {
public:
    LogCapture() : mPrevious(qInstallMessageHandler(&LogCapture::Collect)) { Lines().clear(); }
    ~LogCapture() { qInstallMessageHandler(mPrevious); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList Warnings() const { return Lines(); }
    // Whether a warning of the category contains the text.
    bool Logged(const QString& category, const QString& text) const {
        for (const QString& line : Lines())
            if (line.startsWith(category + QLatin1Char(' ')) && line.contains(text))
                return true;
        return false;
    }

private:
    static QStringList& Lines() {
        static QStringList lines;
        return lines;
    }
    static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg)
            Lines() << QString::fromLatin1(context.category) + QLatin1Char(' ') + text;
    }

    QtMessageHandler mPrevious;
};
