#include "online/BookUpload.h"

#include "base/BackgroundWork.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/Page.h"
#include "online/AnswerMarker.h"
#include "online/LimitedReply.h"
#include "online/OnlineLog.h"
#include "online/UploadBody.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

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
    mCancelled = false;
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
        page.failure =
            Failure{tr("The page could not be made."), QStringLiteral("the rendering job failed")};
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
    if (mCancelled) {
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
    if (page.failure) {
        qCWarning(lcOnline).noquote()
            << "page" << page.index + 1 << "not sent:" << page.failure->detail;
        emit pageRefused(page.index + 1, page.failure->message, false);
        UploadResult result;
        result.count = result.failedIndex = page.index;
        result.failure = page.failure;
        Finish(result);
        return;
    }
    mAttempt = 1;
    Post();
}

void BookUpload::Post() {
    QNetworkReply* reply = Send(mSettings.service.Upload(), mReady[mCurrent].body);
    if (!reply) {
        Finish({mCurrent, false, false, mCurrent,
                Failure{tr("No network access"), QStringLiteral("no network access")}});
        return;
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply] { OnAnswer(reply); });
}

void BookUpload::OnAnswer(QNetworkReply* reply) {
    reply->deleteLater();
    const PreparedPage& page = mReady[mCurrent];
    QString reason;
    if (const std::optional<QString> failure = ReplyFailure(*reply)) {
        reason = *failure;
    } else {
        const auto token = ReadAnswerMarker(ReplyBody(*reply), kUploadAnswerLimit);
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
// page, "end.php" otherwise. Only a whole 2xx answer confirms it; its text
// is not read.
void BookUpload::CloseOrder() {
    const bool cancelled = mCancelled;
    const int count = int(mPages.size());
    QNetworkReply* reply = Send(cancelled ? mSettings.service.Cancel(mOrderId)
                                          : mSettings.service.End(mOrderId, count, mCover));
    if (!reply) {
        OnClosed(nullptr, cancelled);
        return;
    }
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, cancelled] { OnClosed(reply, cancelled); });
}

void BookUpload::OnClosed(QNetworkReply* reply, bool cancelled) {
    UploadResult result;
    result.count = int(mPages.size());
    result.cancelled = cancelled;
    std::optional<QString> failure = QStringLiteral("No network access");
    if (reply) {
        reply->deleteLater();
        failure = ReplyFailure(*reply);
    }
    if (failure) {
        result.failedIndex = result.count;
        result.closing = true;
        // logged where it is shown
        const QString shown = cancelled ? tr("the service did not confirm the cancel: %1")
                                        : tr("the service did not confirm the order: %1");
        const QString logged = cancelled
                                   ? QStringLiteral("the service did not confirm the cancel: %1")
                                   : QStringLiteral("the service did not confirm the order: %1");
        result.failure = Failure{shown.arg(*failure), logged.arg(*failure)};
    } else {
        result.complete = true;
    }
    Finish(result);
}

QNetworkReply* BookUpload::Send(const QUrl& url, const std::optional<QByteArray>& postBody) {
    if (!mNetwork)
        return nullptr;
    const ReplyLimits limits{kServiceAnswerBytes, mSettings.deadlineMs,
                             mSettings.transferTimeoutMs};
    mReply = SendLimited(*mNetwork, url, limits, Redirects::Refused, postBody,
                         postBody ? UploadBody::ContentType() : QByteArray());
    return mReply;
}

void BookUpload::Finish(UploadResult result) {
    mRunning = false;
    mWaiting = false;
    mReady.clear();
    ++mRun;
    emit finished(result);
}
