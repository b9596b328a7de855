#include "ui/order/OrderWizard.h"

#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/Result.h"
#include "model/Book.h"
#include "ui/UiLog.h"
#include "ui/order/OrderAnswers.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineView>

// ---- Step 3: upload

void OrderWizard::StartUpload() {
    SetStep(Step::Upload);
    mSelectCoverLabel->hide();
    mNextStepButton->hide();
    mUploadLabel->clear();
    mUploadLabel->show();
    mUploadProgressBar->show();
    Navigate(QUrl(QStringLiteral("about:blank")));
    mBrowserFrame->hide();
    mBook->WaitForSaves(); // the order is of the book as saved; a failure is reported by the book
    StartUpload(mResumeFrom);
}

// A resumed upload reuses the engine; one still finishing a cancelled order
// is dropped with its request.
void OrderWizard::StartUpload(int start) {
    if (!mUpload || mUpload->IsRunning()) {
        UploadSettings settings{mContext.service, mContext.transferTimeoutMs, 2,
                                mContext.deadlineMs};
        mUpload =
            std::make_unique<BookUpload>(&mNetwork, mContext.renderer, mContext.pageSize, settings);
        connect(mUpload.get(), &BookUpload::pageStarting, this, &OrderWizard::SetUploadStatus);
        connect(mUpload.get(), &BookUpload::pageSent, this, &OrderWizard::UpdateThumbnail);
        connect(mUpload.get(), &BookUpload::finished, this, &OrderWizard::OnUploadFinished);
    }
    try {
        mUpload->Start(mBook, mOrderId, mCover, start);
    } catch (const LumbraError&) {
        // logged with the upload's end
        const UploadResult failed{start, false, false, start,
                                  CaughtFailure(tr("The upload could not start."))};
        QMetaObject::invokeMethod(
            this, [this, failed] { OnUploadFinished(failed); }, Qt::QueuedConnection);
    }
}

void OrderWizard::SetUploadStatus(int pageNumber, int pageCount) {
    if (!isVisible())
        return;
    mUploadProgressBar->setRange(1, pageCount);
    mUploadProgressBar->setValue(pageNumber);
    mUploadLabel->setText(UploadStatusText(mContext.strings.Text(u"cOrderUploadStatusCaption"),
                                           pageNumber, pageCount));
}

// The view shows the page the service has just received.
void OrderWizard::UpdateThumbnail(const QString& orderId, int pageNumber) {
    if (!isVisible())
        return;
    mBrowserFrame->show();
    Navigate(mContext.service.Thumbnail(orderId, pageNumber));
}

// While the close question is open the upload's end waits for the answer.
void OrderWizard::OnUploadFinished(const UploadResult& result) {
    if (mAsking)
        mHeldResult = result;
    else
        AfterUpload(result);
}

// A failed "end.php" is a failed upload (resuming sends only "end.php"); a
// failed "cancel.php" is told.
void OrderWizard::AfterUpload(const UploadResult& result) {
    if (result.failure) { // logged here: shown below, or not at all once the window moved on
        LogFailure(lcUi(),
                   result.closing ? QStringLiteral("Closing the order")
                                  : QStringLiteral("Uploading page %1").arg(result.failedIndex + 1),
                   *result.failure);
    }
    const bool cancelled = UploadCancelled();
    if (result.complete) {
        if (!cancelled)
            ShowPayments();
        else if (!result.cancelled) // the close came after "end.php" went out
            SendCancel();
        return;
    }
    if (result.closing && result.cancelled) {
        Tell(CancelFailedText(mOrderId, result.failure ? result.failure->message : QString()));
        return;
    }
    if (cancelled) {
        if (result.closing) // "end.php" failed after the close: the order may be open
            SendCancel();
        return;
    }
    if (mStep != Step::Upload)
        return;
    if (Ask(QStringLiteral("cUploadErrorLabelCaption"), QStringLiteral("cUploadErrorCaption"))) {
        StartUpload(result.failedIndex);
        return;
    }
    mUpload->Cancel();
    SetStep(Step::Abandoned);
    CloseWindow();
}
