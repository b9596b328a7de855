#include "ui/backgrounds/BackgroundDownloadDialog.h"

#include "base/Constants.h"
#include "online/BackgroundDownload.h"
#include "ui/UiLog.h"
#include "ui/backgrounds/BackgroundsPane.h"
#include "ui/common/MessageBoxButtons.h"

#include <QBoxLayout>
#include <QNetworkAccessManager>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineView>

namespace {

// The inner markup of the first element, in document order, that begins
// with "bg:", from its fourth character on; null when there is none.
const char* const kReadSelection =
    "(function(){for(const e of document.all){const h=e.innerHTML;"
    "if(typeof h==='string'&&h.startsWith('bg:'))return h.substring(3);}return null;})()";

} // namespace

BackgroundDownloadDialog::BackgroundDownloadDialog(const BackgroundDownloadContext& context,
                                                   QWidget* parent)
    : QDialog(parent), mLibrary(context.library), mStrings(context.strings), mPane(context.pane),
      mNetwork(new QNetworkAccessManager(this)),
      mDownload(new BackgroundDownload(mNetwork, mLibrary,
                                       {context.scratchFolder, context.timeoutMs}, this)),
      mWebBrowser(new QWebEngineView(this)), mOkButton(new QPushButton(this)),
      mCancelButton(new QPushButton(this)), mProgressBar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("mDownloadBackgroundDialog"));
    setWindowTitle(mStrings.Text(u"cDownloadDialog"));
    resize(860, 640);
    mWebBrowser->setObjectName(QStringLiteral("mWebBrowser"));
    mWebBrowser->setContextMenuPolicy(Qt::NoContextMenu);
    mOkButton->setObjectName(QStringLiteral("OKButton"));
    mOkButton->setText(mStrings.Text(u"cDownloadCaption"));
    mOkButton->setAutoDefault(false);
    mCancelButton->setObjectName(QStringLiteral("CancelButton"));
    mCancelButton->setText(mStrings.Text(u"cCloseCaption"));
    mCancelButton->setAutoDefault(false);
    mProgressBar->setObjectName(QStringLiteral("mProgressBar"));
    mProgressBar->setRange(0, 0);
    mProgressBar->setValue(0);
    mProgressBar->setTextVisible(false);
    mProgressBar->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mProgressBar, 1);
    buttons->addStretch();
    buttons->addWidget(mOkButton);
    buttons->addWidget(mCancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mWebBrowser, 1);
    layout->addLayout(buttons);

    connect(mOkButton, &QPushButton::clicked, this, &BackgroundDownloadDialog::DownloadSelected);
    connect(mCancelButton, &QPushButton::clicked, this, &BackgroundDownloadDialog::reject);
    connect(mDownload, &BackgroundDownload::repeatQuestion, this,
            &BackgroundDownloadDialog::OnRepeatQuestion);
    connect(mDownload, &BackgroundDownload::progressChanged, mProgressBar, &QProgressBar::setValue);
    connect(mDownload, &BackgroundDownload::backgroundAdded, this,
            &BackgroundDownloadDialog::AddTile);
    connect(mDownload, &BackgroundDownload::finished, this, &BackgroundDownloadDialog::OnFinished);
    mWebBrowser->load(QUrl(context.siteUrl));
}

// The page answers its last callbacks while it is destroyed: they must find
// this dialog still whole and know that it is going.
BackgroundDownloadDialog::~BackgroundDownloadDialog() {
    mDestroyed = true;
    delete mWebBrowser;
}

bool BackgroundDownloadDialog::IsDownloading() const { return mDownload->IsRunning(); }

void BackgroundDownloadDialog::DownloadSelected() {
    if (mReading || IsDownloading())
        return;
    mReading = true;
    mOkButton->setEnabled(false);
    QPointer<BackgroundDownloadDialog> guard(this);
    mWebBrowser->page()->runJavaScript(QLatin1String(kReadSelection), [guard](const QVariant& v) {
        if (!guard || guard->mDestroyed)
            return;
        guard->mReading = false;
        guard->OnSelection(v.isValid() && !v.isNull() ? v.toString() : QString());
    });
}

void BackgroundDownloadDialog::TickOnSiteWhenLoaded(int count) {
    const QString script =
        QStringLiteral("(function(){const boxes=document.querySelectorAll('input[type=checkbox]');"
                       "for(let i=0;i<boxes.length&&i<%1;++i)boxes[i].click();})()")
            .arg(count);
    connect(
        mWebBrowser, &QWebEngineView::loadFinished, this,
        [this, script] { mWebBrowser->page()->runJavaScript(script); }, Qt::SingleShotConnection);
}

void BackgroundDownloadDialog::OnSelection(const QString& selection) {
    const QStringList items = SplitBackgroundSelection(selection);
    if (items.isEmpty()) {
        mOkButton->setEnabled(true); // nothing chosen: the dialog stays as it was
        return;
    }
    mProgressBar->setRange(0, 3 * int(items.size()));
    mProgressBar->setValue(0);
    mProgressBar->show();
    mDownload->Start(items);
}

void BackgroundDownloadDialog::reject() {
    if (IsDownloading())
        mDownload->Cancel(); // the dialog closes when the download has stopped
    else
        QDialog::reject();
}

void BackgroundDownloadDialog::OnRepeatQuestion() {
    QMessageBox* box =
        ShowMessage(QMessageBox::Warning, QStringLiteral("repeatQuestion"),
                    mStrings.Text(u"cConfirmDownloadAgain"), QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, mDownload,
            [this](int answer) { mDownload->AnswerRepeat(answer == QMessageBox::Yes); });
}

void BackgroundDownloadDialog::AddTile(const QString& name) {
    if (mPane && !mPane->FindTile(name))
        mPane->RefreshTiles();
}

void BackgroundDownloadDialog::OnFinished(const BackgroundDownloadResult& result) {
    if (result.downloaded && mPane)
        mPane->RefreshTiles();
    QStringList failures;
    for (const Failure& failure : result.failures) { // logged even when a cancel hides them
        LogFailure(lcUi(), QStringLiteral("Background download"), failure);
        failures << failure.message;
    }
    QString text;
    if (!result.cancelled && result.downloaded)
        text = mStrings.Text(u"cDownloadFinish");
    if (!result.cancelled && !failures.isEmpty()) {
        if (!text.isEmpty())
            text += QStringLiteral("\n\n");
        text += tr("These backgrounds could not be downloaded:") + u'\n' + failures.join(u'\n');
    }
    if (text.isEmpty())
        return accept();
    const bool failed = !failures.isEmpty();
    QMessageBox* box = ShowMessage(failed ? QMessageBox::Warning : QMessageBox::Information,
                                   QStringLiteral("downloadFinished"), text, QMessageBox::Ok);
    connect(box, &QMessageBox::finished, this, &QDialog::accept);
}

QMessageBox* BackgroundDownloadDialog::ShowMessage(QMessageBox::Icon icon, const QString& name,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(icon, mStrings.Text(u"cMainFormCaption"), text, buttons, this);
    box->setObjectName(name);
    NameStandardButtons(*box, mStrings);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

BackgroundDownloadDialog* OpenBackgroundDownloadDialog(QWidget* owner,
                                                       const BackgroundDownloadContext& context) {
    auto* dialog = new BackgroundDownloadDialog(context, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}
