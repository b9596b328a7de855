#include "ui/order/OrderWizard.h"

#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/ProgramInfo.h"
#include "base/ShellOpen.h"
#include "model/Book.h"
#include "online/OrderCancel.h"
#include "ui/UiLog.h"
#include "ui/order/OrderAnswers.h"
#include "ui/order/OrderWebPage.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

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
    auto* frameLayout = new QVBoxLayout(mBrowserFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(mBrowser);
    connect(mBrowser, &QWebEngineView::loadFinished, this, [this] { OnLoadFinished(); });

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
    if (!mBook)
        return;
    const Constants& strings = mContext.strings;
    setWindowTitle(strings.Text(u"cOrderCaption"));
    mCancelButton->setText(strings.Text(u"cCancel"));
    mNextStepButton->setText(strings.Text(u"cNextStep"));
    mUploadLabel->setText(strings.Text(u"cOrderUploadStartingCaption"));
    mVerifyLabel->setText(strings.Text(u"cOrderVerifyCaption"));
    mSelectCoverLabel->setText(strings.Text(u"cOrderSelectCoverCaption"));
    mVerifyInput->clear();
    mCancelButton->show();
    mCover.clear();
    mPaymentLink.clear();
    mHeldResult.reset();
    mBrowserFrame->hide();
    HideStepControls();
    mStep = Step::Verify; // entered below
    Relayout();
    open();
    DoVerify();
}

void OrderWizard::HideStepControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             mVerifyLabel, mVerifyInput, mSelectCoverLabel, mUploadLabel, mUploadProgressBar})
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
    mVerifyInput->setGeometry(g.input);
    mUploadProgressBar->setGeometry(g.progress);
    mNextStepButton->setGeometry(g.next);
    mCancelButton->setGeometry(g.cancel);
    mBrowserFrame->setGeometry(mStep == Step::Payment ? g.payment : g.browser);
}

void OrderWizard::Navigate(const QUrl& address) { mBrowser->setUrl(address); }

// ---- Step 1: verification

void OrderWizard::DoVerify() {
    SetStep(Step::Verify);
    mUploadLabel->hide();
    mUploadProgressBar->hide();
    mVerifyLabel->show();
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
    mVerifyLabel->setText(mContext.strings.Text(u"cOrderVerifyTryAgainCaption"));
    mNextStepButton->setEnabled(true);
    mVerifyInput->setFocus();
}

// ---- Step 2: cover

void OrderWizard::DoSelectCover() {
    mVerifyLabel->hide();
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
        mSelectCoverLabel->setText(mContext.strings.Text(u"cOrderSelectCoverTryAgainCaption"));
        return;
    }
    mBrowserFrame->hide();
    DoUpload();
}

// ---- Step 4: payment

void OrderWizard::DoPayments() {
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

// Only the page's last anchor finishes the order; until it is known, any.
bool OrderWizard::OnLinkClicked(const QUrl& url) {
    if (mStep != Step::Payment || (!mPaymentLink.isEmpty() && url != mPaymentLink))
        return false;
    SetStep(Step::Finished);
    CloseWindow();
    const QString address = url.toString();
    if (mContext.openWebPage)
        mContext.openWebPage(address);
    else
        OpenWebPage(address);
    return true;
}

// ---- Closing

void OrderWizard::reject() {
    if (isVisible() && mStep != Step::Finished && mStep != Step::Abandoned && !ConfirmClose())
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
        if (mStep == Step::Verify || mStep == Step::Upload)
            mBook->CancelSend();
        else if (mStep == Step::SelectCover || mStep == Step::Payment)
            SendCancel();
    }
    if (std::optional<UploadResult> held = std::exchange(mHeldResult, std::nullopt))
        AfterUpload(*held);
    return yes;
}

void OrderWizard::SendCancel() {
    try {
        SendOrderCancel(mNetwork, mContext.service, mOrderId, mContext.transferTimeoutMs);
    } catch (const LumbraError& e) {
        qCWarning(lcUi) << "cancelling the order:" << e.Message();
    }
}

void OrderWizard::CloseWindow() { QDialog::reject(); }

bool OrderWizard::Ask(const QString& textKey, const QString& titleKey) {
    const AskYesNo ask = mContext.ask ? mContext.ask : MessageBoxQuestion(this);
    return ask(mContext.strings.Text(textKey), mContext.strings.Text(titleKey));
}
