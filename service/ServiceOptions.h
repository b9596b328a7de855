#pragma once

#include <QString>
#include <QStringList>

// What the reference print service is told on its command line.
struct ServiceOptions {
    // A fault the service plays on "upload.php", for tests.
    enum class Fault {
        None,
        WrongDigest,     // the digest of other text
        UppercaseDigest, // the right digest in capitals
        LateMarker,      // the right digest after 100 characters of text
        Http500,         // status 500
        Drop,            // the connection closed without an answer
        Slow,            // the answer after slowMs
    };

    QStringList codes{QStringLiteral("1234"), QStringLiteral("TEST")};
    QString ordersFolder;      // one folder per order
    QString backgroundsFolder; // the background site's "<name>_or.jpg" pictures
    Fault fault = Fault::None;
    int faultPage = 0;   // the page (1-based) the fault hits; 0: every page
    int faultTimes = -1; // how many uploads it hits; -1: all
    int slowMs = 5000;
    QString newerVersionUrl; // announced by "checkUpdate.php" when set
    bool closeFails = false; // "end.php" and "cancel.php" answer status 500, changing nothing
};
