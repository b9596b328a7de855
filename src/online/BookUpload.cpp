#include "online/BookUpload.h"

#include "base/BackgroundWork.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/Page.h"
#include "online/AnswerMarker.h"
#include "online/OnlineLog.h"
#include "online/UploadBody.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

BookUpload::BookUpload(QNetworkAccessManager* network, PageRenderer renderer, QSize pageSize,
                       UploadSettings settings, QObject* parent)
    : QObject(parent), mNetwork(network), mRenderer(std::move(renderer)), mPageSize(pageSize),
      mSettings(std::move(settings)) {}

// A request still running is aborted without an answer reaching this object.
BookUpload::~BookUpload() {
    if (mReply) {
        mReply->disconnect(this);
        mReply->abort();
    }
}

void BookUpload::Start(std::shared_ptr<Book> book, const QString& orderId, const QString& cover,
                       int start) {
    if (mRunning)
        throw LumbraError(QStringLiteral("An upload is already running"));
    if (!IsSafeServiceToken(orderId) || !IsSafeServiceToken(cover))
        throw LumbraError(
            QStringLiteral("The service sent an order id or cover that cannot be used"));
    if (!book || start < 0)
        throw LumbraError(QStringLiteral("Nothing to upload"));
    book->AddOrderId(orderId);
    book->ClearSendCancelled();
    mBook = std::move(book);
    mOrderId = orderId;
    mCover = cover;
    mPages.clear();
    for (int i = 0; i < mBook->PagesCount(); ++i)
        mPages.push_back(SnapshotPage(*mBook->GetPage(i)));
    mReady.clear();
    ++mRun;
    mCurrent = mNextRender = start;
    mRunning = true;
    mWaiting = false;
    FillPipeline();
    NextPage();
}

// Keeps the current page and up to pagesAhead after it rendering or ready.
void BookUpload::FillPipeline() {
    const int last = std::min(int(mPages.size()), mCurrent + 1 + mSettings.pagesAhead);
    for (; mNextRender < last; ++mNextRender) {
        const int index = mNextRender;
        const int run = mRun;
        RunInBackground(
            this,
            [index, id = mOrderId, page = mPages[size_t(index)], renderer = mRenderer,
             size = mPageSize] { return PreparePage(index, id, page, renderer, size); },
            [this, run](PreparedPage prepared) {
                if (run == mRun && mRunning)
                    OnPagePrepared(std::move(prepared));
            });
    }
}

void BookUpload::OnPagePrepared(PreparedPage page) {
    const int index = page.index;
    if (index < 0) { // the job itself failed; its index is unknown, so it is the waiting one
        page.index = mCurrent;
        page.error = QStringLiteral("The page could not be rendered");
    }
    emit pagePrepared(page.index + 1);
    mReady[page.index] = std::move(page);
    if (mWaiting && mReady.count(mCurrent)) {
        mWaiting = false;
        Send(mReady[mCurrent]);
    }
}

void BookUpload::NextPage() {
    const int count = int(mPages.size());
    if (mCurrent >= count) {
        CloseOrder();
        return;
    }
    emit pageStarting(mCurrent + 1, count);
    if (mBook->IsSendCancelled()) {
        UploadResult result;
        result.cancelled = true;
        Finish(result);
        return;
    }
    const auto ready = mReady.find(mCurrent);
    if (ready == mReady.end())
        mWaiting = true;
    else
        Send(ready->second);
}

void BookUpload::Send(const PreparedPage& page) {
    if (!page.error.isEmpty()) {
        qCWarning(lcOnline) << "page" << page.index + 1 << "not sent:" << page.error;
        emit pageRefused(page.index + 1, page.error, false);
        UploadResult result;
        result.count = result.failedIndex = page.index;
        result.error = page.error;
        Finish(result);
        return;
    }
    mAttempt = 1;
    Post();
}

void BookUpload::Post() {
    if (!mNetwork) {
        Finish({mCurrent, false, false, mCurrent, QStringLiteral("No network access")});
        return;
    }
    QNetworkRequest request(mSettings.service.Upload());
    request.setRawHeader("Content-Type", UploadBody::ContentType());
    request.setTransferTimeout(mSettings.transferTimeoutMs);
    mReply = mNetwork->post(request, mReady[mCurrent].body);
    connect(mReply, &QNetworkReply::finished, this,
            [this, reply = mReply.data()] { OnAnswer(reply); });
}

void BookUpload::OnAnswer(QNetworkReply* reply) {
    reply->deleteLater();
    const PreparedPage& page = mReady[mCurrent];
    QString reason;
    if (reply->error() != QNetworkReply::NoError) {
        reason = reply->errorString();
    } else {
        const auto token = ReadAnswerMarker(reply->readAll(), kUploadAnswerLimit);
        if (!token)
            reason = QStringLiteral("no answer marker");
        else if (*token != page.digest)
            reason = QStringLiteral("the answer's digest does not match");
    }
    const int number = mCurrent + 1;
    if (reason.isEmpty()) {
        mReady.erase(mCurrent);
        ++mCurrent;
        emit pageSent(mOrderId, number);
        FillPipeline();
        NextPage();
        return;
    }
    const bool retrying = mAttempt == 1;
    qCWarning(lcOnline) << "page" << number << "refused:" << reason
                        << (retrying ? "(sent again)" : "");
    emit pageRefused(number, reason, retrying);
    if (retrying) {
        mAttempt = 2;
        Post();
        return;
    }
    UploadResult result;
    result.count = result.failedIndex = mCurrent;
    Finish(result);
}

// Every page went through: "cancel.php" when a cancel came during the last
// page, "end.php" otherwise. The answer is not read.
void BookUpload::CloseOrder() {
    UploadResult result;
    result.count = int(mPages.size());
    result.complete = true;
    const bool cancelled = mBook->IsSendCancelled();
    result.cancelled = cancelled;
    QNetworkReply* reply = Get(cancelled ? mSettings.service.Cancel(mOrderId)
                                         : mSettings.service.End(mOrderId, result.count, mCover));
    if (!reply) {
        Finish(result);
        return;
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply, result] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError)
            qCWarning(lcOnline) << "closing the order:" << reply->errorString();
        Finish(result);
    });
}

QNetworkReply* BookUpload::Get(const QUrl& url) {
    if (!mNetwork)
        return nullptr;
    QNetworkRequest request(url);
    request.setTransferTimeout(mSettings.transferTimeoutMs);
    mReply = mNetwork->get(request);
    return mReply;
}

void BookUpload::Finish(UploadResult result) {
    mRunning = false;
    mWaiting = false;
    mReady.clear();
    ++mRun;
    emit finished(result);
}
