#include "ui/order/OrderWizard.h"

#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/ProgramInfo.h"
#include "base/ShellOpen.h"
#include "model/Book.h"
#include "online/OrderCancel.h"
#include "ui/UiLog.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"
#include "ui/order/OrderAnswers.h"
#include "ui/order/OrderLoadFailure.h"
#include "ui/order/OrderWebPage.h"

#include <QChildEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>
#include <algorithm>

OrderWizard::OrderWizard(OrderWizardContext context, QWidget* parent)
    : QDialog(parent), mContext(std::move(context)) {
    setObjectName(QStringLiteral("mOrderForm"));
    CreateChildren();
    setMinimumSize(kWizardUnits);
    resize(640, 600);
}

OrderWizard::~OrderWizard() = default;

void OrderWizard::CreateChildren() {
    mBrowserFrame = new QFrame(this);
    mBrowserFrame->setObjectName(QStringLiteral("mBrowserFrame"));
    mBrowser = new QWebEngineView(mBrowserFrame);
    mBrowser->setObjectName(QStringLiteral("mBrowser"));
    mBrowser->setContextMenuPolicy(Qt::NoContextMenu);
    mPage = new OrderWebPage(mBrowser);
    mPage->SetLinkFilter([this](const QUrl& url) { return OnLinkClicked(url); });
    mBrowser->setPage(mPage);
    WatchInput(mBrowser);
    auto* frameLayout = new QVBoxLayout(mBrowserFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(mBrowser);
    connect(mBrowser, &QWebEngineView::loadFinished, this, [this] { OnLoadFinished(); });
    connect(
        mPage, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            // A load replaced by the next one is no failure (net::ERR_ABORTED).
            if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() != -3)
                OnLoadFailed(info.url(), info.errorString());
        });
    mLoadFailure = new OrderLoadFailure(this);
    connect(mLoadFailure, &OrderLoadFailure::retryClicked, this, &OrderWizard::Retry);
    connect(mLoadFailure, &OrderLoadFailure::preferencesClicked, this,
            &OrderWizard::OpenServicePreferences);

    const auto label = [this](const char* name) {
        auto* made = new QLabel(this);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    mVerifyLabel = label("mVerifyLabel");
    mSelectCoverLabel = label("mSelectCoverLabel");
    mUploadLabel = label("mUploadLabel");
    mVerifyInput = new QLineEdit(this);
    mVerifyInput->setObjectName(QStringLiteral("mVerifyInput"));
    mCodeLabel = label("mCodeLabel");
    mCodeLabel->setText(tr("Order &code:"));
    mCodeLabel->setBuddy(mVerifyInput);
    mUploadProgressBar = new QProgressBar(this);
    mUploadProgressBar->setObjectName(QStringLiteral("mUploadProgressBar"));
    mNextStepButton = new QPushButton(this);
    mNextStepButton->setObjectName(QStringLiteral("mNextStepButton"));
    mNextStepButton->setDefault(true);
    mCancelButton = new QPushButton(this);
    mCancelButton->setObjectName(QStringLiteral("mCancelButton"));
    mCancelButton->setAutoDefault(false); // Enter is Next, even with the focus here
    connect(mNextStepButton, &QPushButton::clicked, this, &OrderWizard::OnNextStep);
    connect(mCancelButton, &QPushButton::clicked, this, &OrderWizard::reject);
}

void OrderWizard::SetStep(Step step) {
    mStep = step;
    emit stepEntered(step);
}

void OrderWizard::SetBook(std::shared_ptr<Book> book) {
    mBook = std::move(book);
    mOrderId.clear();
}

void OrderWizard::Start() {
    if (Open())
        StartVerification();
}

void OrderWizard::Resume(const QString& orderId, int startIndex) {
    if (!IsSafeServiceToken(orderId) || startIndex < 0 || !Open())
        return;
    mOrderId = orderId;
    mResumeFrom = std::min(startIndex, mBook->PagesCount());
    mBrowserFrame->show();
    Relayout();
    DoSelectCover();
}

bool OrderWizard::Open() {
    if (!mBook)
        return false;
    const Constants& strings = mContext.strings;
    setWindowTitle(strings.Text(u"cOrderCaption"));
    mCancelButton->setText(strings.Text(u"cCancel"));
    mNextStepButton->setText(strings.Text(u"cNextStep"));
    mUploadLabel->setText(strings.Text(u"cOrderUploadStartingCaption"));
    SetInstruction(mVerifyLabel, strings.Text(u"cOrderVerifyCaption"), false);
    SetInstruction(mSelectCoverLabel, strings.Text(u"cOrderSelectCoverCaption"), false);
    mVerifyInput->clear();
    mCancelButton->show();
    if (mContext.currentService)
        mContext.service = mContext.currentService();
    mCover.clear();
    mResumeFrom = 0;
    mPaymentLink.clear();
    mHeldResult.reset();
    mBrowserFrame->hide();
    HideStepControls();
    mStep = Step::Verify; // entered below
    Relayout();
    // Over the main window even where no window manager places it.
    if (QWidget* owner = parentWidget(); owner && !isVisible())
        move(owner->window()->frameGeometry().center() - rect().center());
    open();
    return true;
}

void OrderWizard::HideStepControls() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{mVerifyLabel, mCodeLabel, mVerifyInput, mSelectCoverLabel,
                                         mUploadLabel, mUploadProgressBar, mLoadFailure})
        control->hide();
}

void OrderWizard::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Relayout();
}

void OrderWizard::Relayout() {
    const QSize button = mNextStepButton->sizeHint().expandedTo(mCancelButton->sizeHint());
    const OrderWizardGeometry g = OrderWizardLayout(size(), button.expandedTo(QSize(90, 0)), 240);
    for (QLabel* label : {mVerifyLabel, mSelectCoverLabel, mUploadLabel})
        label->setGeometry(g.label);
    // The code box stands after its label.
    const int labelWidth = mCodeLabel->sizeHint().width();
    mCodeLabel->setGeometry(QRect(g.input.topLeft(), QSize(labelWidth, g.input.height())));
    mVerifyInput->setGeometry(g.input.translated(labelWidth + 6, 0));
    mUploadProgressBar->setGeometry(g.progress);
    mNextStepButton->setGeometry(g.next);
    mCancelButton->setGeometry(g.cancel);
    mBrowserFrame->setGeometry(mStep == Step::Payment ? g.payment : g.browser);
    mLoadFailure->setGeometry(mBrowserFrame->geometry());
}

void OrderWizard::Navigate(const QUrl& address) {
    mLoadFailure->hide();
    mBrowser->setUrl(address);
}

// ---- Pages that do not load

void OrderWizard::OnLoadFailed(const QUrl& address, const QString& reason) {
    if (mStep != Step::Verify && mStep != Step::SelectCover && mStep != Step::Payment)
        return;
    qCInfo(lcUi) << "an order page did not load:" << reason;
    mNextStepButton->setEnabled(false); // the failure over the view says why
    mLoadFailure->setGeometry(mBrowserFrame->geometry());
    mLoadFailure->Show(address, reason);
}

void OrderWizard::Retry() {
    mLoadFailure->hide();
    if (mContext.currentService)
        mContext.service = mContext.currentService();
    if (mStep == Step::Verify)
        StartVerification();
    else if (mStep == Step::SelectCover)
        DoSelectCover();
    else if (mStep == Step::Payment)
        ShowPayments();
}

void OrderWizard::OpenServicePreferences() {
    auto* preferences = new PreferencesDialog(this);
    preferences->setAttribute(Qt::WA_DeleteOnClose);
    connect(preferences, &QDialog::accepted, this, &OrderWizard::Retry);
    preferences->open();
}

// ---- Step 1: verification

void OrderWizard::StartVerification() {
    SetStep(Step::Verify);
    mUploadLabel->hide();
    mUploadProgressBar->hide();
    mVerifyLabel->show();
    mCodeLabel->show();
    mVerifyInput->show();
    mNextStepButton->show();
    mNextStepButton->setEnabled(true);
    mBrowserFrame->show();
    Relayout();
    Navigate(mContext.service.Start(mBook->PagesCount(), Book::GetBookType(), VersionNumber()));
    mVerifyInput->setFocus();
}

void OrderWizard::OnNextStep() {
    if (mStep == Step::Verify) {
        mNextStepButton->setEnabled(false);
        Navigate(mContext.service.Verify(mVerifyInput->text(), Book::GetBookType(), VersionNumber(),
                                         mBook->PagesCount()));
    } else if (mStep == Step::SelectCover) {
        mNextStepButton->setEnabled(false);
        mPage->ReadElements([this](const QStringList& html) { OnCoverElements(html); });
    }
}

// The flag of loadFinished is not trusted: the document itself is read.
void OrderWizard::OnLoadFinished() {
    if (mStep == Step::Verify) {
        mPage->ReadDocument(
            [this](const QUrl& location, const QString& text) { OnVerifyAnswer(location, text); });
    } else if (mStep == Step::Payment) {
        mPage->ReadLastAnchor([this](const QUrl& link) {
            if (mStep == Step::Payment)
                mPaymentLink = link;
        });
    }
}

void OrderWizard::OnVerifyAnswer(const QUrl& location, const QString& text) {
    if (mStep != Step::Verify || !location.toString().contains(QLatin1String("verify.php")))
        return;
    if (const std::optional<QString> id = OrderIdFromVerifyAnswer(text)) {
        mOrderId = *id;
        DoSelectCover();
        return;
    }
    qCInfo(lcUi) << "the service did not accept the verification code";
    Navigate(mContext.service.Start(mBook->PagesCount(), Book::GetBookType(), VersionNumber()));
    mVerifyInput->clear();
    SetInstruction(mVerifyLabel, mContext.strings.Text(u"cOrderVerifyTryAgainCaption"), true);
    mNextStepButton->setEnabled(true);
    mVerifyInput->setFocus();
}

// A refusal must not look like the instructions it replaces.
void OrderWizard::SetInstruction(QLabel* label, const QString& text, bool refusal) {
    label->setText(text);
    label->setStyleSheet(refusal ? QStringLiteral("color: #a00000; font-weight: bold;")
                                 : QString());
}

// ---- Step 2: cover

void OrderWizard::DoSelectCover() {
    mVerifyLabel->hide();
    mCodeLabel->hide();
    mVerifyInput->hide();
    mSelectCoverLabel->show();
    mNextStepButton->setEnabled(true);
    mNextStepButton->show();
    SetStep(Step::SelectCover);
    Navigate(mContext.service.Cover());
}

void OrderWizard::OnCoverElements(const QStringList& innerHtml) {
    if (mStep != Step::SelectCover)
        return;
    mNextStepButton->setEnabled(true);
    mCover = CoverFromElements(innerHtml);
    if (mCover.isEmpty()) {
        SetInstruction(mSelectCoverLabel,
                       mContext.strings.Text(u"cOrderSelectCoverTryAgainCaption"), true);
        return;
    }
    mBrowserFrame->hide();
    StartUpload();
}

// ---- Step 4: payment

void OrderWizard::ShowPayments() {
    SetStep(Step::Payment);
    mUploadLabel->hide();
    mUploadProgressBar->hide();
    mNextStepButton->hide();
    mCancelButton->hide(); // under the page; the close box asks as it would
    mPaymentLink.clear();
    Relayout();
    mBrowserFrame->show();
    Navigate(mContext.service.Purchase(mOrderId, mBook->PagesCount(), kPaymentViewUnits.width(),
                                       kPaymentViewUnits.height()));
}

// Only the page's last anchor finishes the order (until it is known, any),
// and only when the user clicked it: a click the page's own script makes is
// not followed at all. The browser gets only an http or https address.
bool OrderWizard::OnLinkClicked(const QUrl& url) {
    if (mStep != Step::Payment)
        return false;
    const bool usersOwn = TakeUserGesture();
    if (!mPaymentLink.isEmpty() && url != mPaymentLink)
        return false; // another link of the page, followed in the view
    const std::optional<QUrl> address = WebPageUrl(url.toString());
    if (!usersOwn || !address) {
        qCWarning(lcUi) << "payment link not followed:"
                        << (usersOwn ? "not a web address" : "no click of the user's");
        return true;
    }
    SetStep(Step::Finished);
    CloseWindow();
    if (mContext.openWebPage)
        mContext.openWebPage(address->toString());
    else
        OpenWebPage(address->toString());
    return true;
}

QWidget* OrderWizard::PageInput() const { return mBrowser->focusProxy(); }

void OrderWizard::WatchInput(QObject* widget) {
    widget->installEventFilter(this);
    for (QObject* child : widget->children())
        if (child->isWidgetType())
            WatchInput(child);
}

bool OrderWizard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded: // the view makes its page's widget when it first shows one
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            WatchInput(child);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            mLastInput.start();
        break;
    case QEvent::KeyPress:
        if (const int key = static_cast<QKeyEvent*>(event)->key();
            key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            mLastInput.start();
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

// A link follows its click within moments; one click counts for one link.
bool OrderWizard::TakeUserGesture() {
    constexpr qint64 kGestureMs = 3000;
    const bool recent = mLastInput.isValid() && mLastInput.elapsed() <= kGestureMs;
    mLastInput.invalidate();
    return recent;
}

// ---- Closing

void OrderWizard::reject() {
    // Before the service gave an order nothing was sent: closing loses nothing.
    const bool sent = !mOrderId.isEmpty();
    if (isVisible() && sent && mStep != Step::Finished && mStep != Step::Abandoned &&
        !ConfirmClose())
        return;
    CloseWindow();
}

// The close question; Yes stops the order the way its step needs.
bool OrderWizard::ConfirmClose() {
    mAsking = true;
    const bool yes =
        Ask(QStringLiteral("cCancelOrderLabelCaption"), QStringLiteral("cCancelOrderCaption"));
    mAsking = false;
    if (yes) {
        if (mStep == Step::Verify || mStep == Step::Upload) {
            if (mUpload) // a later start clears it
                mUpload->Cancel();
        } else if (mStep == Step::SelectCover || mStep == Step::Payment)
            SendCancel();
    }
    if (std::optional<UploadResult> held = std::exchange(mHeldResult, std::nullopt))
        AfterUpload(*held);
    return yes;
}

void OrderWizard::SendCancel() {
    const QString id = mOrderId;
    try {
        SendOrderCancel(
            mNetwork, mContext.service, id, this,
            [this, id](const std::optional<QString>& failure) {
                if (failure)
                    Tell(CancelFailedText(id, *failure));
            },
            mContext.transferTimeoutMs, mContext.deadlineMs);
    } catch (const LumbraError& e) {
        qCWarning(lcUi) << "cancelling the order:" << e.Message();
    }
}

QString OrderWizard::CancelFailedText(const QString& orderId, const QString& reason) const {
    return tr("The order %1 could not be cancelled at the service: %2. It may still be open "
              "there; ask the service to cancel it.")
        .arg(orderId, reason);
}

// Over the window while it shows, else over its owner.
void OrderWizard::Tell(const QString& text) {
    const TellUser tell =
        mContext.tell
            ? mContext.tell
            : MessageBoxNotice(isVisible() || !parentWidget() ? this : parentWidget(),
                               mContext.strings.Text(u"cOrderCaption"), &mContext.strings);
    tell(text);
}

void OrderWizard::CloseWindow() { QDialog::reject(); }

bool OrderWizard::Ask(const QString& textKey, const QString& titleKey) {
    const AskYesNo ask = mContext.ask ? mContext.ask : MessageBoxQuestion(this, &mContext.strings);
    return ask(mContext.strings.Text(textKey), mContext.strings.Text(titleKey));
}
