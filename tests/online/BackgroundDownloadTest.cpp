#include "online/BackgroundDownload.h"
#include "HostileServer.h"
#include "PrintService.h"
#include "imaging/TestJpegs.h"
#include "model/BackgroundLibrary.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHttpServer>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>

namespace {

// Every file below `root` with a digest of its content.
std::map<std::string, std::string> Tree(const QString& root) {
    std::map<std::string, std::string> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(root).relativeFilePath(path).toStdString()] =
            QCryptographicHash::hash(TestJpegs::ReadBytes(path), QCryptographicHash::Md5)
                .toHex()
                .toStdString();
    }
    return files;
}

// The reference print service's background site over a folder of pictures,
// a background library and a scratch folder, all in one temporary folder.
class BackgroundDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* folder : {"site", "library", "scratch"})
            ASSERT_TRUE(QDir(dir.path()).mkpath(QLatin1String(folder)));
        ServiceOptions options;
        options.ordersFolder = dir.filePath(QStringLiteral("orders"));
        options.backgroundsFolder = dir.filePath(QStringLiteral("site"));
        service = std::make_unique<PrintService>(options);
        ASSERT_NE(service->Listen(0), 0);
        library.SetBackgroundsFolder(dir.filePath(QStringLiteral("library")));
    }

    void AddToSite(const QString& name, int width = 400) {
        TestJpegs::Write(Site(name + QStringLiteral("_or.jpg")), TestJpegs::PhotoLike(width, 300));
    }
    QString Site(const QString& file) const { return dir.filePath(QStringLiteral("site/")) + file; }
    QString Library(const QString& file) const {
        return dir.filePath(QStringLiteral("library/")) + file;
    }
    QString Item(const QString& name) const { return service->BackgroundUrl() + name; }
    // A background of the library, made from another picture than the site's.
    void AddToLibrary(const QString& name) {
        for (const char* size : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
            TestJpegs::Write(Library(name + QLatin1String(size)), TestJpegs::Quadrants(64, 48));
        library.LoadBackgroundList();
    }
    QStringList LibraryFiles() const {
        return QDir(dir.filePath(QStringLiteral("library"))).entryList(QDir::Files, QDir::Name);
    }
    std::map<std::string, std::string> WholeTree() const { return Tree(dir.path()); }

    // Runs a download of the items; every repeat question gets `again`.
    BackgroundDownloadResult Run(const QStringList& items, bool again = false,
                                 int timeoutMs = 20000) {
        BackgroundDownload download(&network, library,
                                    {dir.filePath(QStringLiteral("scratch/")), timeoutMs});
        return Run(download, items, again);
    }
    BackgroundDownloadResult Run(BackgroundDownload& download, const QStringList& items,
                                 bool again) {
        std::optional<BackgroundDownloadResult> result;
        QObject::connect(&download, &BackgroundDownload::repeatQuestion, [&] {
            ++questions;
            download.AnswerRepeat(again);
        });
        QObject::connect(&download, &BackgroundDownload::progressChanged,
                         [this](int value) { progress << value; });
        QObject::connect(&download, &BackgroundDownload::backgroundAdded,
                         [this](const QString& name) { added << name; });
        QObject::connect(&download, &BackgroundDownload::finished,
                         [&result](const BackgroundDownloadResult& r) { result = r; });
        download.Start(items);
        maximum = download.ProgressMaximum();
        EXPECT_TRUE(QTest::qWaitFor([&result] { return result.has_value(); }, 60000));
        return result.value_or(BackgroundDownloadResult{
            false, false, {Failure{QStringLiteral("no end"), QStringLiteral("no end")}}});
    }
    // What the user is shown of the failures, and what the log gets.
    static QStringList Messages(const BackgroundDownloadResult& result) {
        QStringList texts;
        for (const Failure& failure : result.failures)
            texts << failure.message;
        return texts;
    }
    static QStringList Details(const BackgroundDownloadResult& result) {
        QStringList texts;
        for (const Failure& failure : result.failures)
            texts << failure.detail;
        return texts;
    }

    QTemporaryDir dir;
    std::unique_ptr<PrintService> service;
    QNetworkAccessManager network;
    BackgroundLibrary library{QString(), QString()};
    int questions = 0;
    int maximum = 0;
    QList<int> progress;
    QStringList added;
};

TEST(BackgroundSelection, ItemsEndWithAComma) {
    const QString a = QStringLiteral("http://site/bg/a");
    const QString b = QStringLiteral("http://site/bg/b");
    EXPECT_EQ(SplitBackgroundSelection(a + u',' + b + u','), (QStringList{a, b}));
    EXPECT_EQ(SplitBackgroundSelection(a + u',' + b), QStringList{a});
    EXPECT_TRUE(SplitBackgroundSelection(a).isEmpty());
    EXPECT_TRUE(SplitBackgroundSelection(QString()).isEmpty());
}

TEST(BackgroundIdentifier, OnlyPlainFileNamesAreSafe) {
    for (const char* id : {"leaf", "dusk-2", "Blue Sky", "leaf.jpg"})
        EXPECT_TRUE(IsSafeBackgroundId(QString::fromLatin1(id))) << id;
    for (const char* id :
         {"", "../x", "a/b", "a\\b", "..", "x..y", ".hidden", "c:x", "a\tb", "a\nb", "a\x7f"})
        EXPECT_FALSE(IsSafeBackgroundId(QString::fromLatin1(id))) << id;
    EXPECT_FALSE(IsSafeBackgroundId(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
    EXPECT_FALSE(IsSafeBackgroundId(QString(101, u'x')));
    EXPECT_EQ(BackgroundNameOf(QStringLiteral("leaf.jpg")), QStringLiteral("leaf"));
}

// An identifier that would show another name in the list or hold markup is
// refused with the reason; the character is named by its code.
TEST(BackgroundIdentifier, HiddenCharactersAndMarkupAreRefusedWithTheReason) {
    const struct {
        QString id;
        const char* reason;
    } cases[] = {
        {QStringLiteral("leaf") + QChar(0x202E) + QStringLiteral("gpj.exe"), "U+202E"},
        {QStringLiteral("leaf") + QChar(0x200F), "U+200F"},
        {QChar(0x00AD) + QStringLiteral("leaf"), "U+00AD"},
        {QStringLiteral("le") + QChar(0x2028) + QStringLiteral("af"), "U+2028"},
        {QStringLiteral("le") + QChar(0x2066) + QStringLiteral("af"), "U+2066"},
        {QStringLiteral("<b>leaf</b>"), "markup"},
        {QStringLiteral("leaf>"), "markup"},
    };
    for (const auto& each : cases) {
        EXPECT_FALSE(IsSafeBackgroundId(each.id)) << each.reason;
        EXPECT_TRUE(BackgroundIdRefusal(each.id).contains(QLatin1String(each.reason)))
            << BackgroundIdRefusal(each.id).toStdString();
    }
}

TEST_F(BackgroundDownloadTest, NewBackgroundsBecomeLibraryFiles) {
    AddToSite(QStringLiteral("dusk"));
    AddToSite(QStringLiteral("lagoon"), 900);
    const BackgroundDownloadResult result = Run({Item("dusk"), Item("lagoon")});
    EXPECT_TRUE(result.downloaded);
    EXPECT_FALSE(result.cancelled);
    EXPECT_TRUE(result.failures.empty()) << Messages(result).join(u'\n').toStdString();
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(added, (QStringList{"dusk", "lagoon"}));
    EXPECT_EQ(library.Names(), (QStringList{"dusk", "lagoon"}));
    QStringList expected;
    for (const char* name : {"dusk", "lagoon"})
        for (const char* size : {"_lg.jpg", "_md.jpg", "_or.jpg", "_sm.jpg"})
            expected << QLatin1String(name) + QLatin1String(size);
    EXPECT_EQ(LibraryFiles(), expected);
    EXPECT_EQ(TestJpegs::ReadBytes(Library("lagoon_or.jpg")),
              TestJpegs::ReadBytes(Site("lagoon_or.jpg")));
    // The small file fits 145 x 104: a picture three times as wide as high is 145 wide.
    const QSize small = QImage(Library("lagoon_sm.jpg")).size();
    EXPECT_EQ(small.width(), 145);
    EXPECT_NEAR(small.height(), 48, 1);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("scratch"))).isEmpty());
    EXPECT_EQ(progress.last(), maximum);
    EXPECT_EQ(maximum, 6);
}

TEST_F(BackgroundDownloadTest, PresentBackgroundSkippedOnNoAfterOneQuestion) {
    AddToSite(QStringLiteral("dusk"));
    AddToSite(QStringLiteral("heather"));
    AddToSite(QStringLiteral("lagoon"));
    AddToLibrary(QStringLiteral("dusk"));
    AddToLibrary(QStringLiteral("heather"));
    const QByteArray before = TestJpegs::ReadBytes(Library("dusk_or.jpg"));
    const BackgroundDownloadResult result =
        Run({Item("dusk"), Item("lagoon"), Item("heather")}, false);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(result.downloaded);
    EXPECT_EQ(added, QStringList{"lagoon"});
    EXPECT_EQ(library.Names(), (QStringList{"dusk", "heather", "lagoon"}));
    EXPECT_EQ(TestJpegs::ReadBytes(Library("dusk_or.jpg")), before);
    EXPECT_TRUE(QFile::exists(Library("lagoon_lg.jpg")));
    // Nothing downloaded before the new one: the progress stays at 0 until then.
    EXPECT_EQ(progress.first(), 0);
    EXPECT_EQ(progress.mid(0, 2), (QList<int>{0, 0}));
    EXPECT_EQ(progress.last(), maximum);
}

TEST_F(BackgroundDownloadTest, PresentBackgroundsFetchedAgainOnYesWithoutNewEntries) {
    AddToSite(QStringLiteral("dusk"));
    AddToSite(QStringLiteral("heather"));
    AddToSite(QStringLiteral("lagoon"));
    AddToLibrary(QStringLiteral("dusk"));
    AddToLibrary(QStringLiteral("heather"));
    const BackgroundDownloadResult result =
        Run({Item("dusk"), Item("lagoon"), Item("heather")}, true);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(result.failures.empty()) << Messages(result).join(u'\n').toStdString();
    EXPECT_EQ(added, QStringList{"lagoon"});
    EXPECT_EQ(library.Names(), (QStringList{"dusk", "heather", "lagoon"}));
    for (const char* name : {"dusk_or.jpg", "heather_or.jpg"})
        EXPECT_EQ(TestJpegs::ReadBytes(Library(name)), TestJpegs::ReadBytes(Site(name))) << name;
    EXPECT_NE(QImage(Library("heather_md.jpg")).size(), QSize(64, 48));
}

TEST_F(BackgroundDownloadTest, HostileIdentifiersWriteNothingAnywhere) {
    std::map<QString, QByteArray> ids = {
        {"up", "../x"},    {"slash", "a/b"},    {"back", "..\\x"},
        {"abs", "/tmp/x"}, {"ctl", "a\x01b"},   {"empty", "  "},
        {"dot", ".x"},     {"drive", "C:evil"}, {"dots", "x..y.jpg"}};
    ids[QStringLiteral("nul")] = QByteArray("a\0b", 3);
    ids[QStringLiteral("rlo")] = QStringLiteral("leaf\u202Egpj.exe").toUtf8();
    ids[QStringLiteral("lrm")] = QStringLiteral("leaf\u200E").toUtf8();
    ids[QStringLiteral("markup")] = "<img src=x>";
    QHttpServer evil;
    evil.route("/bg/<arg>", [&ids](const QString& file) {
        if (file.endsWith(QLatin1String(".uid")))
            return QByteArray(ids.at(file.chopped(4)));
        return TestJpegs::SmallJpeg();
    });
    const quint16 port = evil.listen(QHostAddress::LocalHost, 0);
    ASSERT_NE(port, 0);
    // The reference site gives its file names: a picture named "..x" too.
    AddToSite(QStringLiteral("..x"));
    QStringList items{Item("..x")};
    for (const auto& [key, id] : ids)
        items << QStringLiteral("http://127.0.0.1:%1/bg/%2").arg(port).arg(key);
    const auto before = WholeTree();

    const BackgroundDownloadResult result = Run(items);
    EXPECT_FALSE(result.downloaded);
    EXPECT_EQ(result.failures.size(), size_t(items.size()));
    EXPECT_TRUE(Messages(result).first().contains(QLatin1String("..x")));
    // The reason shows the hidden character by its code, not the character;
    // the log also gets why the name cannot be used.
    const QStringList rlo = Messages(result).filter(QStringLiteral("/bg/rlo:"));
    const QStringList rloDetail = Details(result).filter(QStringLiteral("/bg/rlo:"));
    ASSERT_EQ(rlo.size(), 1);
    ASSERT_EQ(rloDetail.size(), 1);
    for (const QString& text : {rlo.first(), rloDetail.first()}) {
        EXPECT_TRUE(text.contains(QLatin1String("leaf[U+202E]gpj.exe"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QChar(0x202E)));
    }
    EXPECT_TRUE(
        rloDetail.first().endsWith(BackgroundIdRefusal(QStringLiteral("leaf\u202Egpj.exe"))))
        << rloDetail.first().toStdString();
    EXPECT_EQ(WholeTree(), before);
    EXPECT_TRUE(library.Names().isEmpty());
    EXPECT_EQ(progress.last(), 0);
}

// A site may move its files within itself; a redirect to another site
// (another port of the same host) is not followed, and nothing reaches it.
TEST_F(BackgroundDownloadTest, RedirectsAreFollowedOnlyWithinTheSite) {
    HostileServer elsewhere(HostileServer::Answer::Text, "dusk");
    QHttpServer site;
    site.route("/bg/<arg>", [&elsewhere](const QString& file) {
        if (file == QLatin1String("dusk.uid"))
            return QHttpServerResponse(QByteArrayLiteral("text/plain"), QByteArray("dusk"));
        if (file == QLatin1String("dusk_or.jpg"))
            return QHttpServerResponse(QByteArrayLiteral("image/jpeg"), TestJpegs::SmallJpeg());
        QHttpServerResponse moved(QHttpServerResponder::StatusCode::TemporaryRedirect);
        const QString rest = file.mid(4); // "here" and "away": ".uid" or "_or.jpg"
        moved.addHeader("Location", file.startsWith(QLatin1String("here"))
                                        ? ("/bg/dusk" + rest).toUtf8()
                                        : elsewhere.Url("/bg/dusk" + rest).toUtf8());
        return moved;
    });
    const quint16 port = site.listen(QHostAddress::LocalHost, 0);
    ASSERT_NE(port, 0);
    const QString base = QStringLiteral("http://127.0.0.1:%1/bg/").arg(port);
    const BackgroundDownloadResult result = Run({base + "here", base + "away"});
    EXPECT_EQ(library.Names(), QStringList{"dusk"});
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_TRUE(Messages(result).first().contains(QLatin1String("sent on to another site")))
        << Messages(result).first().toStdString();
    EXPECT_EQ(elsewhere.Connections(), 0);
}

TEST_F(BackgroundDownloadTest, PictureThatIsNotAJpegIsRefused) {
    TestJpegs::WriteBytes(Site("broken_or.jpg"), QByteArray("<html>not a picture</html>"));
    AddToSite(QStringLiteral("dusk"));
    AddToLibrary(QStringLiteral("broken"));
    const auto before = WholeTree();
    const BackgroundDownloadResult result = Run({Item("broken")}, true);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_TRUE(Messages(result).first().contains(QLatin1String("JPEG")));
    EXPECT_FALSE(result.downloaded);
    EXPECT_EQ(WholeTree(), before); // the present files are kept
}

TEST_F(BackgroundDownloadTest, MissingBackgroundIsReportedAndTheRestFetched) {
    AddToSite(QStringLiteral("dusk"));
    const BackgroundDownloadResult result = Run({Item("nowhere"), Item("dusk")});
    ASSERT_EQ(result.failures.size(), 1u);
    // The user and the log are told which background and why.
    for (const QString& text : {Messages(result).first(), Details(result).first()}) {
        EXPECT_TRUE(text.startsWith(Item("nowhere") + QStringLiteral(": "))) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String("404 Not Found"))) << text.toStdString();
    }
    EXPECT_TRUE(result.downloaded);
    EXPECT_EQ(library.Names(), QStringList{"dusk"});
}

// A server that takes connections and either closes them or never answers.
class MuteServer : public QTcpServer {
public:
    explicit MuteServer(bool drop) {
        connect(this, &QTcpServer::newConnection, this, [this, drop] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                if (drop)
                    connect(socket, &QTcpSocket::readyRead, socket, &QTcpSocket::close);
                else
                    connect(socket, &QTcpSocket::readyRead, socket,
                            [socket] { socket->readAll(); });
            }
        });
        listen(QHostAddress::LocalHost, 0);
    }
    QString Item(const QString& name) const {
        return QStringLiteral("http://127.0.0.1:%1/bg/%2").arg(serverPort()).arg(name);
    }
};

TEST_F(BackgroundDownloadTest, DroppedConnectionAndSilenceFailWithinTheTimeout) {
    MuteServer dropping(true);
    MuteServer silent(false);
    const auto before = WholeTree();
    QElapsedTimer clock;
    clock.start();
    const BackgroundDownloadResult result =
        Run({dropping.Item("dusk"), silent.Item("dusk"), QStringLiteral("file:///etc/hosts")},
            false, 300);
    EXPECT_LT(clock.elapsed(), 10000);
    const QStringList messages = Messages(result);
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages.at(0).contains(QLatin1String("closed"))) << messages.at(0).toStdString();
    EXPECT_TRUE(messages.at(1).contains(QLatin1String("no answer within 0.3 seconds")))
        << messages.at(1).toStdString();
    EXPECT_TRUE(messages.at(2).contains(QLatin1String("not a web address")));
    EXPECT_EQ(WholeTree(), before);
}

TEST_F(BackgroundDownloadTest, CancelStopsBeforeTheNextBackground) {
    AddToSite(QStringLiteral("dusk"));
    AddToSite(QStringLiteral("lagoon"));
    BackgroundDownload download(&network, library, {dir.filePath(QStringLiteral("scratch/"))});
    QObject::connect(&download, &BackgroundDownload::backgroundAdded, &download,
                     &BackgroundDownload::Cancel);
    const BackgroundDownloadResult result = Run(download, {Item("dusk"), Item("lagoon")}, false);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.downloaded);
    EXPECT_EQ(library.Names(), QStringList{"dusk"});
    EXPECT_FALSE(QFile::exists(Library("lagoon_or.jpg")));
    EXPECT_EQ(progress.last(), 3); // the first background's share
}

TEST_F(BackgroundDownloadTest, CancelDropsTheRequestUnderWay) {
    MuteServer silent(false);
    const auto before = WholeTree();
    BackgroundDownload download(&network, library, {dir.filePath(QStringLiteral("scratch/"))});
    QTimer::singleShot(200, &download, &BackgroundDownload::Cancel);
    QElapsedTimer clock;
    clock.start();
    const BackgroundDownloadResult result = Run(download, {silent.Item("dusk")}, false);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.failures.empty());
    EXPECT_FALSE(download.IsRunning());
    EXPECT_EQ(WholeTree(), before);
}

} // namespace
