#include "UploadFixture.h"

#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Templates.h"
#include "render/PageExport.h"

#include <QFile>
#include <QTest>

void UploadFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    ServiceOptions options;
    options.ordersFolder = dir.filePath(QStringLiteral("orders"));
    service = std::make_unique<PrintService>(options);
    ASSERT_NE(service->Listen(0), 0);
    ModelContext context;
    context.templates = &TestCatalogue();
    book = std::make_shared<Book>(dir.filePath(QStringLiteral("books")) + u'/', context);
    book->CreateOnDisk(QStringLiteral("Trip"));
    while (book->PagesCount() > 3)
        book->RemovePage(book->PagesCount() - 1);
}

std::unique_ptr<BookUpload> UploadFixture::MakeUpload(int timeoutMs, QSize size) {
    UploadSettings settings{ServiceAddress(service->ServiceUrl()), timeoutMs, 2};
    auto upload = std::make_unique<BookUpload>(
        &network, PageRenderer::ForCatalogue(TestCatalogue(), dir.filePath(QStringLiteral("bg"))),
        size.isValid() ? size : PrintPageSize(TestCatalogue()), settings);
    QObject::connect(upload.get(), &BookUpload::pageStarting, [this](int n, int total) {
        events << QStringLiteral("start %1/%2").arg(n).arg(total);
    });
    QObject::connect(upload.get(), &BookUpload::pagePrepared,
                     [this](int n) { events << QStringLiteral("prepared %1").arg(n); });
    QObject::connect(upload.get(), &BookUpload::pageSent, [this](const QString& id, int n) {
        events << QStringLiteral("sent %1 %2").arg(id).arg(n);
    });
    QObject::connect(upload.get(), &BookUpload::pageRefused, [this](int n, const QString&, bool) {
        events << QStringLiteral("refused %1").arg(n);
    });
    return upload;
}

UploadResult UploadFixture::Run(BookUpload& upload, const QString& orderId, const QString& cover,
                                int start) {
    std::optional<UploadResult> result;
    const auto connection = QObject::connect(&upload, &BookUpload::finished,
                                             [&result](const UploadResult& r) { result = r; });
    upload.Start(book, orderId, cover, start);
    const bool ended = QTest::qWaitFor([&result] { return result.has_value(); }, 120000);
    QObject::disconnect(connection);
    EXPECT_TRUE(ended) << "the upload did not end";
    return result.value_or(UploadResult{
        -1, false, false, -1, Failure{QStringLiteral("no end"), QStringLiteral("no end")}});
}

QString UploadFixture::OpenOrder() { return service->Orders().Create(QStringLiteral("TEST")); }

QString UploadFixture::OrderFileLine() const {
    QFile file(book->GetBookFolder() + QStringLiteral("order.pbx"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no order.pbx)");
    return QString::fromUtf8(file.readLine()).trimmed();
}
