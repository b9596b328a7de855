#include "PrintService.h"
#include "UploadForm.h"
#include "online/UploadBody.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Answer {
    int status = 0;
    QByteArray body;
};

class PrintServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(dir.filePath(QStringLiteral("site")));
        ServiceOptions options;
        options.ordersFolder = dir.filePath(QStringLiteral("orders"));
        options.backgroundsFolder = dir.filePath(QStringLiteral("site"));
        service = std::make_unique<PrintService>(options);
        ASSERT_NE(service->Listen(0), 0);
    }

    Answer Wait(QNetworkReply* reply) {
        Answer answer;
        if (QTest::qWaitFor([reply] { return reply->isFinished(); }, 20000)) {
            answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            answer.body = reply->readAll();
        }
        reply->deleteLater();
        return answer;
    }
    Answer Get(const QString& url) { return Wait(network.get(QNetworkRequest(QUrl(url)))); }
    Answer Post(const QByteArray& body) {
        QNetworkRequest request(QUrl(service->ServiceUrl() + QStringLiteral("upload.php")));
        request.setRawHeader("Content-Type", UploadBody::ContentType());
        return Wait(network.post(request, body));
    }
    static QByteArray Jpeg(int width) {
        QImage image(width, width / 2, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        return bytes;
    }

    QTemporaryDir dir;
    std::unique_ptr<PrintService> service;
    QNetworkAccessManager network;
};

} // namespace

TEST(UploadForm, TheServiceReadsTheBodyTheProgramWrites) {
    const QByteArray body = UploadBody::Build(7, QStringLiteral("LB1001"), "QUJD+/8=");
    QString error;
    const auto form = ParseUploadForm(body, UploadBody::ContentType(), &error);
    ASSERT_TRUE(form) << error.toStdString();
    EXPECT_EQ(form->page, 7);
    EXPECT_EQ(form->id, QStringLiteral("LB1001"));
    EXPECT_EQ(form->base64, QByteArray("QUJD+/8="));
}

TEST(UploadForm, AnUnframedOrIncompleteBodyIsRefused) {
    const QByteArray body = UploadBody::Build(7, QStringLiteral("LB1001"), "QUJD");
    QString error;
    EXPECT_FALSE(ParseUploadForm(body.chopped(4), UploadBody::ContentType(), &error));
    EXPECT_FALSE(ParseUploadForm(body, "text/plain", &error));
    // An opening line right before the closing one leaves no room for parts.
    const QByteArray separator = QByteArray("--") + UploadBody::kBoundary;
    EXPECT_FALSE(ParseUploadForm(separator + "\r\n" + separator + "--\r\n",
                                 UploadBody::ContentType(), &error));
    QByteArray noPage = body;
    noPage.replace("name= \"page\"", "name= \"other\"");
    EXPECT_FALSE(ParseUploadForm(noPage, UploadBody::ContentType(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PrintServiceTest, VerificationOpensAnOrderOnlyForAnAcceptedCode) {
    const Answer accepted =
        Get(service->ServiceUrl() + QStringLiteral("verify.php?i=TEST&pages=20"));
    EXPECT_TRUE(accepted.body.contains("[(LB1001)]")) << accepted.body.toStdString();
    EXPECT_TRUE(service->Orders().Exists(QStringLiteral("LB1001")));
    EXPECT_TRUE(Get(service->ServiceUrl() + QStringLiteral("verify.php?i=nope"))
                    .body.contains("[(INVALID)]"));
    EXPECT_EQ(service->Orders().Ids(), QStringList{QStringLiteral("LB1001")});
}

TEST_F(PrintServiceTest, UploadsThatAreNotAPageOfAnOpenOrderAreRefusedAndNotStored) {
    const QString id = service->Orders().Create(QStringLiteral("TEST"));
    const QByteArray notJpeg = QByteArray("not a picture").toBase64();
    EXPECT_EQ(Post(UploadBody::Build(1, id, notJpeg)).status, 400);
    const QByteArray whole = Jpeg(480);
    EXPECT_EQ(Post(UploadBody::Build(1, id, whole.left(whole.size() / 2).toBase64())).status, 400);
    EXPECT_EQ(Post(UploadBody::Build(1, QStringLiteral("LB999"), Jpeg(64).toBase64())).status, 400);
    EXPECT_EQ(Post(UploadBody::Build(1, QStringLiteral("../x"), Jpeg(64).toBase64())).status, 400);
    EXPECT_TRUE(service->Orders().Read(id).received.isEmpty());

    const Answer stored = Post(UploadBody::Build(2, id, Jpeg(480).toBase64()));
    EXPECT_EQ(stored.status, 200);
    EXPECT_EQ(service->Orders().Read(id).received, QList<int>{2});
    const Answer thumb =
        Get(service->ServiceUrl() + QStringLiteral("viewThumb.php?id=%1&page=2").arg(id));
    EXPECT_EQ(QImage::fromData(thumb.body, "JPEG").width(), 240);

    Get(service->ServiceUrl() + QStringLiteral("end.php?id=%1&pages=1&cover=x").arg(id));
    EXPECT_EQ(Post(UploadBody::Build(3, id, Jpeg(64).toBase64())).status, 400);
    EXPECT_EQ(service->Orders().Read(id).received, QList<int>{2});
}

// Each requested order once, its state in the customer's words; an open one
// links to the first page missing.
TEST_F(PrintServiceTest, StatusShowsEachRequestedOrder) {
    const QString id = service->Orders().Create(QStringLiteral("TEST"));
    service->Orders().StorePage(id, 1, Jpeg(64));
    service->Orders().StorePage(id, 3, Jpeg(64));
    const QByteArray page =
        Get(service->ServiceUrl() + QStringLiteral("status.php?ids=%1,LB42,%1").arg(id)).body;
    EXPECT_EQ(page.count("<td>" + id.toLatin1() + "</td>"), 1);
    EXPECT_TRUE(page.contains("Upload not finished: 2 pages received. <a href='resume.php?id=" +
                              id.toLatin1() + "&amp;page=2'>"));
    EXPECT_TRUE(page.contains("<td>LB42</td><td>Not known to this print service</td>"));
    service->Orders().End(id, 3, QStringLiteral("red"));
    EXPECT_TRUE(Get(service->ServiceUrl() + QStringLiteral("status.php?ids=") + id)
                    .body.contains("Complete: all 3 pages received"));
}

TEST_F(PrintServiceTest, UpdateIsAnnouncedOnlyWhenConfigured) {
    const QString url = service->ServiceUrl() + QStringLiteral("checkUpdate.php?version=10000");
    EXPECT_FALSE(Get(url).body.contains("[("));
    service->Options().newerVersionUrl = QStringLiteral("http://127.0.0.1/new.exe");
    EXPECT_EQ(Get(url).body, QByteArray("[(http://127.0.0.1/new.exe)]"));
}

TEST_F(PrintServiceTest, BackgroundSiteOffersEachPictureWithItsIdentifier) {
    const QByteArray picture = Jpeg(200);
    QFile file(dir.filePath(QStringLiteral("site/dusk_or.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(picture);
    file.close();
    const QByteArray start = Get(service->BackgroundUrl()).body;
    EXPECT_TRUE(start.contains("value='dusk'"));
    EXPECT_TRUE(start.contains(">bg:</div>")); // the selection, empty at first
    EXPECT_EQ(Get(service->BackgroundUrl() + QStringLiteral("dusk.uid")).body, QByteArray("dusk"));
    EXPECT_EQ(Get(service->BackgroundUrl() + QStringLiteral("dusk_or.jpg")).body, picture);
    EXPECT_EQ(Get(service->BackgroundUrl() + QStringLiteral("dawn.uid")).status, 404);
}
