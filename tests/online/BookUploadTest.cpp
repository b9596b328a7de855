#include "UploadFixture.h"

#include "base/LumbraError.h"
#include "model/Book.h"
#include "online/OrderCancel.h"

#include <QDir>
#include <QImageReader>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTest>

namespace {

using Fault = ServiceOptions::Fault;

QStringList Uploads(int first, int last) {
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines << QStringLiteral("upload.php page=%1").arg(n);
    return lines;
}

} // namespace

TEST_F(UploadFixture, SendsEveryPageAtPrintSizeThenEndsTheOrder) {
    const QString id = OpenOrder();
    auto upload = MakeUpload();
    const UploadResult result = Run(*upload, id, QStringLiteral("linen-blue"));

    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.count, 3);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(Requests(), Uploads(1, 3)
                              << QStringLiteral("end.php?id=%1&pages=3&cover=linen-blue").arg(id));
    EXPECT_EQ(events.filter(QRegularExpression(QStringLiteral("^(start|sent)"))),
              (QStringList{"start 1/3", "sent " + id + " 1", "start 2/3", "sent " + id + " 2",
                           "start 3/3", "sent " + id + " 3"}));
    EXPECT_EQ(OrderFileLine(), id);

    const OrderStore::Order order = service->Orders().Read(id);
    EXPECT_EQ(order.state, QStringLiteral("ended"));
    EXPECT_EQ(order.pages, 3);
    EXPECT_EQ(order.cover, QStringLiteral("linen-blue"));
    ASSERT_EQ(order.received, (QList<int>{1, 2, 3}));
    for (int page : order.received) {
        QImageReader reader(service->Orders().PagePath(id, page));
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        EXPECT_EQ(reader.size(), QSize(2458, 1769)) << "page " << page;
    }
}

TEST_F(UploadFixture, AWrongDigestIsSentOnceMoreThenEndsAtThatPageAndResumesFromIt) {
    const QString id = OpenOrder();
    service->Options().fault = Fault::WrongDigest;
    service->Options().faultPage = 2;
    service->Options().faultTimes = 2;
    auto upload = MakeUpload();

    const UploadResult failed = Run(*upload, id, QStringLiteral("red"));
    EXPECT_FALSE(failed.complete);
    EXPECT_EQ(failed.count, 1);
    EXPECT_EQ(failed.failedIndex, 1);
    EXPECT_EQ(Requests(), Uploads(1, 2) << QStringLiteral("upload.php page=2"));
    EXPECT_TRUE(events.endsWith(QStringLiteral("refused 2")));
    EXPECT_EQ(events.count(QStringLiteral("refused 2")), 2);

    events.clear();
    const UploadResult resumed = Run(*upload, id, QStringLiteral("red"), failed.failedIndex);
    EXPECT_TRUE(resumed.complete);
    EXPECT_EQ(resumed.count, 3);
    EXPECT_EQ(events.first(), QStringLiteral("start 2/3"));
    EXPECT_EQ(Requests().mid(3), Uploads(2, 3)
                                     << QStringLiteral("end.php?id=%1&pages=3&cover=red").arg(id));
    EXPECT_EQ(OrderFileLine(), id + u',' + id);
}

TEST_F(UploadFixture, EveryKindOfUnconfirmedAnswerFailsThePageAfterOneRetry) {
    const struct {
        Fault fault;
        const char* name;
    } faults[] = {{Fault::UppercaseDigest, "uppercase digest"},
                  {Fault::LateMarker, "marker after 100 characters"},
                  {Fault::Http500, "status 500"},
                  {Fault::Drop, "dropped connection"},
                  {Fault::Slow, "answer after the timeout"}};
    for (const auto& each : faults) {
        SCOPED_TRACE(each.name);
        service->Options().fault = each.fault;
        service->Options().faultPage = 2;
        service->Options().slowMs = 4000;
        const int before = int(Requests().size());
        auto upload = MakeUpload(each.fault == Fault::Slow ? 1000 : 30000);
        const UploadResult result = Run(*upload, OpenOrder(), QStringLiteral("red"));
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(result.failedIndex, 1);
        EXPECT_EQ(result.count, 1);
        EXPECT_EQ(events.count(QStringLiteral("refused 2")), 2);
        events.clear();
        const QStringList seen = Requests().mid(before);
        // Qt sends a request again by itself when a kept-alive connection
        // closes under it, so a dropped page may arrive more than twice.
        if (each.fault == Fault::Drop)
            EXPECT_GE(seen.count(QStringLiteral("upload.php page=2")), 2);
        else
            EXPECT_EQ(seen, Uploads(1, 2) << QStringLiteral("upload.php page=2"));
        EXPECT_TRUE(seen.filter(QStringLiteral("end.php")).isEmpty());
        EXPECT_TRUE(seen.filter(QStringLiteral("cancel.php")).isEmpty());
    }
}

TEST_F(UploadFixture, ACancelBeforeAPageStopsWithoutClosingTheOrder) {
    const QString id = OpenOrder();
    auto upload = MakeUpload();
    BookUpload* running = upload.get();
    QObject::connect(running, &BookUpload::pageSent, [running](const QString&, int n) {
        if (n == 1)
            running->Cancel();
    });
    const UploadResult result = Run(*upload, id, QStringLiteral("red"));
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.count, 0);
    EXPECT_EQ(Requests(), Uploads(1, 1));
    EXPECT_EQ(events.last(), QStringLiteral("start 2/3"));
}

TEST_F(UploadFixture, ACancelDuringTheLastPageCancelsTheOrder) {
    const QString id = OpenOrder();
    auto upload = MakeUpload();
    BookUpload* running = upload.get();
    QObject::connect(running, &BookUpload::pageSent, [running](const QString&, int n) {
        if (n == 3)
            running->Cancel();
    });
    const UploadResult result = Run(*upload, id, QStringLiteral("red"));
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.count, 3);
    EXPECT_EQ(Requests(), Uploads(1, 3) << QStringLiteral("cancel.php?id=") + id);
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("cancelled"));
}

TEST_F(UploadFixture, AHostileOrderIdOrCoverIsRefusedBeforeAnythingIsWritten) {
    auto upload = MakeUpload();
    for (const char* id : {"LB1,LB2", "LB1\r\nLB2", "LB1&pages=0", "LB\"1", "LB<1>", "LB|1", "..",
                           "LB1\xe2\x80\xae"})
        EXPECT_THROW(upload->Start(book, QString::fromUtf8(id), QStringLiteral("red")), LumbraError)
            << id;
    EXPECT_THROW(upload->Start(book, OpenOrder(), QStringLiteral("red\n")), LumbraError);
    EXPECT_FALSE(upload->IsRunning());
    EXPECT_FALSE(QFile::exists(book->GetBookFolder() + QStringLiteral("order.pbx")));
    EXPECT_TRUE(book->GetOrderIds().isEmpty());
    EXPECT_TRUE(Requests().isEmpty());
}

TEST_F(UploadFixture, APageThatCannotBeRenderedFailsWithItsReason) {
    auto upload = MakeUpload(30000, QSize(0, 0));
    const UploadResult result = Run(*upload, OpenOrder(), QStringLiteral("red"));
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.failedIndex, 0);
    ASSERT_TRUE(result.failure);
    EXPECT_FALSE(result.failure->message.isEmpty());
    EXPECT_FALSE(result.failure->detail.isEmpty());
    EXPECT_EQ(service->UploadCount(), 0);
}

TEST_F(UploadFixture, ABookWithoutPagesEndsTheOrderWithNoPages) {
    while (book->PagesCount() > 0)
        book->RemovePage(0);
    const QString id = OpenOrder();
    auto upload = MakeUpload();
    const UploadResult result = Run(*upload, id, QStringLiteral("red"));
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.count, 0);
    EXPECT_EQ(Requests(), QStringList{QStringLiteral("end.php?id=%1&pages=0&cover=red").arg(id)});
}

TEST_F(UploadFixture, PagesRenderAheadOfTheOneBeingSentButOnlyAFew) {
    while (book->PagesCount() < 6)
        book->AddNewPage();
    auto upload = MakeUpload(); // two pages ahead
    const UploadResult result = Run(*upload, OpenOrder(), QStringLiteral("red"));
    ASSERT_TRUE(result.complete);
    // Page n + 3 is started only once page n went through.
    for (int n = 1; n <= 3; ++n) {
        const qsizetype sent =
            events.indexOf(QRegularExpression(QStringLiteral("^sent \\S+ %1$").arg(n)));
        const qsizetype prepared = events.indexOf(QStringLiteral("prepared %1").arg(n + 3));
        ASSERT_GE(sent, 0);
        EXPECT_GT(prepared, sent) << "page " << n + 3 << " was rendered too early";
    }
    EXPECT_EQ(events.filter(QStringLiteral("prepared")).size(), 6);
}

TEST_F(UploadFixture, AnOrderIsCancelledOutsideAnUploadAndAFailedCancelIsSaid) {
    const QString id = OpenOrder();
    const ServiceAddress address(service->ServiceUrl());
    QObject context;
    std::optional<std::optional<QString>> answer;
    const auto cancel = [&] {
        answer.reset();
        SendOrderCancel(network, address, id, &context,
                        [&answer](const std::optional<QString>& failure) { answer = failure; });
        EXPECT_FALSE(answer) << "answered during the call";
        EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 30000));
    };
    service->Options().closeFails = true;
    cancel();
    ASSERT_TRUE(answer && *answer);
    EXPECT_TRUE((*answer)->contains(QLatin1String("status 500"))) << (*answer)->toStdString();
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("open"));

    service->Options().closeFails = false;
    cancel();
    ASSERT_TRUE(answer);
    EXPECT_FALSE(*answer) << (*answer)->toStdString();
    EXPECT_EQ(Requests(), QStringList(2, QStringLiteral("cancel.php?id=") + id));
    EXPECT_EQ(service->Orders().Read(id).state, QStringLiteral("cancelled"));
    EXPECT_THROW(SendOrderCancel(network, address, id + ",x", &context, {}), LumbraError);
    EXPECT_EQ(Requests().size(), 2);
}
