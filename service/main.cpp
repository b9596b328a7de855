// The reference print service: the order service and the background site
// the program talks to, for development and tests.
//   lumbra-print-service [--port N] [--orders DIR] [--backgrounds DIR] [switches]

#include "PrintService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

struct FaultSwitch {
    const char* name;
    ServiceOptions::Fault fault;
    const char* help;
};

const FaultSwitch kFaults[] = {
    {"wrong-digest", ServiceOptions::Fault::WrongDigest, "answer uploads with a wrong digest"},
    {"uppercase-digest", ServiceOptions::Fault::UppercaseDigest, "answer the digest in capitals"},
    {"late-marker", ServiceOptions::Fault::LateMarker, "put the marker after 100 characters"},
    {"http-500", ServiceOptions::Fault::Http500, "answer uploads with status 500"},
    {"drop-connection", ServiceOptions::Fault::Drop, "close the connection without an answer"},
    {"slow", ServiceOptions::Fault::Slow, "answer uploads after --slow-ms"},
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumbra-print-service"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reference print service for Lumbra"));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("port (0: any free one)"),
                                  QStringLiteral("N"), QStringLiteral("8642"));
    const QCommandLineOption orders(QStringLiteral("orders"), QStringLiteral("orders folder"),
                                    QStringLiteral("DIR"), QStringLiteral("service-orders"));
    const QCommandLineOption backgrounds(
        QStringLiteral("backgrounds"), QStringLiteral("folder of the site's <name>_or.jpg"),
        QStringLiteral("DIR"), app.applicationDirPath() + QStringLiteral("/site-backgrounds"));
    const QCommandLineOption codes(QStringLiteral("codes"),
                                   QStringLiteral("accepted codes, comma-separated"),
                                   QStringLiteral("LIST"), QStringLiteral("1234,TEST"));
    const QCommandLineOption faultPage(QStringLiteral("fault-page"),
                                       QStringLiteral("the page a fault hits (default every)"),
                                       QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption faultTimes(QStringLiteral("fault-times"),
                                        QStringLiteral("how many uploads a fault hits"),
                                        QStringLiteral("N"), QStringLiteral("-1"));
    const QCommandLineOption slowMs(QStringLiteral("slow-ms"), QStringLiteral("delay of --slow"),
                                    QStringLiteral("MS"), QStringLiteral("5000"));
    const QCommandLineOption newer(QStringLiteral("newer-version"),
                                   QStringLiteral("announce a newer version at this address"),
                                   QStringLiteral("URL"));
    const QCommandLineOption failClose(QStringLiteral("fail-close"),
                                       QStringLiteral("answer end.php and cancel.php with "
                                                      "status 500, changing nothing"));
    parser.addOptions(
        {port, orders, backgrounds, codes, faultPage, faultTimes, slowMs, newer, failClose});
    for (const FaultSwitch& each : kFaults)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(each.name), QString::fromLatin1(each.help)));
    parser.process(app);

    ServiceOptions options;
    options.codes = parser.value(codes).split(u',', Qt::SkipEmptyParts);
    options.ordersFolder = QDir(parser.value(orders)).absolutePath();
    options.backgroundsFolder = QDir(parser.value(backgrounds)).absolutePath();
    for (const FaultSwitch& each : kFaults)
        if (parser.isSet(QString::fromLatin1(each.name)))
            options.fault = each.fault;
    options.faultPage = parser.value(faultPage).toInt();
    options.faultTimes = parser.value(faultTimes).toInt();
    options.slowMs = parser.value(slowMs).toInt();
    options.newerVersionUrl = parser.value(newer);
    options.closeFails = parser.isSet(failClose);

    PrintService service(options);
    if (!service.Listen(quint16(parser.value(port).toUInt()))) {
        std::fprintf(stderr, "lumbra-print-service: cannot listen on port %s\n",
                     qPrintable(parser.value(port)));
        return 1;
    }
    std::printf("lumbra-print-service listening on %s (orders in %s)\n",
                qPrintable(service.ServiceUrl()), qPrintable(options.ordersFolder));
    std::fflush(stdout);
    return app.exec();
}
