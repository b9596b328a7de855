#pragma once

#include <QByteArray>
#include <QHttpServer>
#include <QString>

// A stand-in for the order service's first two pages, for answers the
// reference service never gives: "verify.php" answers with `answer` inside
// an HTML body; "start.php" shows a short page. Counts the start pages.
class ScriptedVerifyService {
public:
    ScriptedVerifyService();
    quint16 Port() const { return mPort; }
    QString Base() const;

    QByteArray answer;
    int startPages = 0;
    int verifyPages = 0;
    QString verifyQuery; // the last one, as it came over the wire

private:
    QHttpServer mServer;
    quint16 mPort = 0;
};
