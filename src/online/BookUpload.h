#pragma once

#include "online/PreparedPage.h"
#include "online/ServiceAddress.h"
#include "render/PageRenderer.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QThread>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class Book;
class QNetworkAccessManager;
class QNetworkReply;

struct UploadSettings {
    ServiceAddress service;
    int transferTimeoutMs = 60000; // a request idle this long is a failed page
    // Pages rendered while the current one is sent: with it, two per core.
    int pagesAhead = 2 * std::max(1, QThread::idealThreadCount()) - 1;
    int deadlineMs = 120000; // a request not answered whole by then has failed
};

struct UploadResult {
    // The pages count when every page went through, otherwise the 0-based
    // index of the page that failed, or 0 after a cancel.
    int count = 0;
    // Every page went through and the service confirmed the order's end (or
    // its cancel).
    bool complete = false;
    bool cancelled = false;
    // The index to resume from: the failed page, or the pages count when
    // only closing the order failed.
    int failedIndex = -1;
    // A local failure of the failed page, or why closing failed. A page the
    // service refused has none: its reason went with pageRefused.
    std::optional<Failure> failure;
    bool closing = false; // every page went through, "end.php" or "cancel.php" failed
};

// Sends a book's pages to the order service, one POST to "upload.php" per
// page, and closes the order with "end.php" or "cancel.php". Every request
// has the limits of LimitedReply (an answer of at most kServiceAnswerBytes,
// the deadline, no redirect); past one it has failed like a refused answer.
// A failed "end.php" or "cancel.php" leaves the upload incomplete (closing).
//
// Asynchronous, on the thread that owns it: the requests go through the
// given QNetworkAccessManager, the next pages render on the thread pool
// (RunInBackground) while the current one is sent. A page the service does
// not confirm with the digest of its Base64 text is sent once more; a second
// failure, or a page that cannot be rendered, ends the upload at that page
// and neither "end.php" nor "cancel.php" is sent. The book's cancel flag is
// read once before each page.
class BookUpload : public QObject {
    Q_OBJECT
public:
    BookUpload(QNetworkAccessManager* network, PageRenderer renderer, QSize pageSize,
               UploadSettings settings = {}, QObject* parent = nullptr);
    ~BookUpload() override;

    // Adds the order id to the book's "order.pbx", clears its cancel flag and
    // starts at page index `start` (0-based). Throws LumbraError, sending
    // nothing, for an unsafe id or cover, a running upload or an order file
    // that cannot be written.
    void Start(std::shared_ptr<Book> book, const QString& orderId, const QString& cover,
               int start = 0);
    bool IsRunning() const { return mRunning; }
    // Stops the upload before its next page; after the last one the order is
    // closed with "cancel.php". Start clears it.
    void Cancel() { mCancelled = true; }
    bool IsCancelled() const { return mCancelled; }

signals:
    // Before each page (1-based), as the cancel flag is read.
    void pageStarting(int pageNumber, int pageCount);
    // A page is rendered and encoded (the upload holds at most pagesAhead + 1).
    void pagePrepared(int pageNumber);
    // The service confirmed the page.
    void pageSent(const QString& orderId, int pageNumber);
    // One attempt failed; `retrying` when it is sent once more.
    void pageRefused(int pageNumber, const QString& reason, bool retrying);
    void finished(const UploadResult& result);

private:
    void FillPipeline();
    void OnPagePrepared(PreparedPage page);
    void NextPage();
    void Send(const PreparedPage& page);
    void Post();
    void OnAnswer(QNetworkReply* reply);
    void CloseOrder();
    void OnClosed(QNetworkReply* reply, bool cancelled);
    void Finish(UploadResult result);
    QNetworkReply* Send(const QUrl& url, const std::optional<QByteArray>& postBody = {});

    QPointer<QNetworkAccessManager> mNetwork;
    PageRenderer mRenderer;
    QSize mPageSize;
    UploadSettings mSettings;

    std::shared_ptr<Book> mBook;
    QString mOrderId;
    QString mCover;
    std::vector<PageSnapshot> mPages; // the whole book, taken at the start
    std::map<int, PreparedPage> mReady;
    int mRun = 0; // renders of an earlier run are dropped
    int mCurrent = 0;
    int mNextRender = 0;
    int mAttempt = 0;
    bool mRunning = false;
    bool mCancelled = false;
    bool mWaiting = false; // the current page is still rendering
    QPointer<QNetworkReply> mReply;
};
