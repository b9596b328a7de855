#pragma once

#include "online/BookUpload.h"
#include "online/ServiceAddress.h"
#include "render/PageRenderer.h"
#include "ui/mainwindow/dialogs/Questions.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <functional>
#include <memory>
#include <optional>

class Book;
class Constants;
class OrderLoadFailure;
class OrderWebPage;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWebEngineView;

// What the order window is built with. Empty functions mean the defaults:
// message boxes over the window and the desktop's browser.
struct OrderWizardContext {
    const Constants& strings;
    PageRenderer renderer;
    QSize pageSize; // the pages are rendered and sent at this size
    ServiceAddress service;
    AskYesNo ask;
    std::function<bool(const QString&)> openWebPage;
    int transferTimeoutMs = 60000;
    TellUser tell;           // an error of the order the user must know of
    int deadlineMs = 120000; // for each request of the upload and the cancel
    // The service's address now (the user may change it in the Preferences);
    // empty: `service` for good.
    std::function<ServiceAddress()> currentService;
};

// mOrderForm: leads from a book to a paid order in an embedded web view
// showing the service's pages: verification code, cover, upload of the
// pages, payment. The window is made once and reused for every order.
class OrderWizard : public QDialog {
    Q_OBJECT
public:
    enum class Step {
        Verify = 1,
        SelectCover = 2,
        Upload = 3,
        Payment = 4,
        Finished = 5,  // the payment page's link was followed
        Abandoned = 6, // given up after a failed upload
    };

    explicit OrderWizard(OrderWizardContext context, QWidget* parent = nullptr);
    ~OrderWizard() override;

    // Sets the book and clears the order id.
    void SetBook(std::shared_ptr<Book> book);
    // Shows the window, modal over its parent, at the verification step.
    void Start();
    // Shows it at the cover step of an order whose upload did not finish; the
    // upload then sends from page index `startIndex` on.
    void Resume(const QString& orderId, int startIndex);

    void StartVerification();
    void DoSelectCover();
    void StartUpload();
    void ShowPayments();
    // Both do nothing while the window is hidden.
    void SetUploadStatus(int pageNumber, int pageCount);
    void UpdateThumbnail(const QString& orderId, int pageNumber);

    Step CurrentStep() const { return mStep; }
    const QString& OrderId() const { return mOrderId; }
    // The user stopped the upload (closing the window or after a failed page).
    bool UploadCancelled() const { return mUpload && mUpload->IsCancelled(); }
    const QString& Cover() const { return mCover; }
    // The payment page's last anchor, once the page is read.
    const QUrl& PaymentLink() const { return mPaymentLink; }
    // Mouse and key input reaches the page through this widget (the view's
    // focus proxy once the view shows a page); null before.
    QWidget* PageInput() const;
    QWebEngineView* Browser() const { return mBrowser; }
    OrderWebPage* Page() const { return mPage; }
    QLineEdit* VerifyInput() const { return mVerifyInput; }
    QPushButton* NextStepButton() const { return mNextStepButton; }
    QPushButton* CancelButton() const { return mCancelButton; }
    QLabel* VerifyLabel() const { return mVerifyLabel; }
    QLabel* CodeLabel() const { return mCodeLabel; }
    // Over the web view while a page of the service could not be loaded.
    OrderLoadFailure* LoadFailure() const { return mLoadFailure; }
    QLabel* SelectCoverLabel() const { return mSelectCoverLabel; }
    QLabel* UploadLabel() const { return mUploadLabel; }
    QProgressBar* UploadProgressBar() const { return mUploadProgressBar; }

    // The close box, Escape and the Cancel button: asks first, see ConfirmClose.
    void reject() override;

signals:
    void stepEntered(OrderWizard::Step step);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Notes the user's own clicks and keys in the web view (UserGesture).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // OrderWizard.cpp
    void CreateChildren();
    // Start and Resume: the window shown and reset; false without a book.
    bool Open();
    void SetStep(Step step);
    void Relayout();
    // The text of a step's label; a refusal (a code or cover not taken) stands out.
    static void SetInstruction(QLabel* label, const QString& text, bool refusal);
    void HideStepControls();
    void Navigate(const QUrl& address);
    void OnNextStep();
    void OnLoadFinished();
    // A page of the service failed to load: the window says so over the view.
    void OnLoadFailed(const QUrl& address, const QString& reason);
    // Hides the failure and enters the step again, at the service's present address.
    void Retry();
    void OpenServicePreferences();
    void OnVerifyAnswer(const QUrl& location, const QString& text);
    void OnCoverElements(const QStringList& innerHtml);
    bool OnLinkClicked(const QUrl& url);
    bool ConfirmClose();
    void SendCancel();
    void Tell(const QString& text);
    QString CancelFailedText(const QString& orderId, const QString& reason) const;
    // The view's widgets pass their input through the filter.
    void WatchInput(QObject* widget);
    // True once per click or key of the user's in the view shortly before.
    bool TakeUserGesture();
    void CloseWindow();
    bool Ask(const QString& textKey, const QString& titleKey);
    // OrderWizardUpload.cpp
    void StartUpload(int start);
    void OnUploadFinished(const UploadResult& result);
    void AfterUpload(const UploadResult& result);

    OrderWizardContext mContext;
    QNetworkAccessManager mNetwork;
    std::unique_ptr<BookUpload> mUpload;
    std::shared_ptr<Book> mBook;
    QString mOrderId;
    QString mCover;
    QUrl mPaymentLink; // the payment page's last anchor
    Step mStep = Step::Verify;
    int mResumeFrom = 0;                     // the page index the upload starts at
    bool mAsking = false;                    // the close question is open
    std::optional<UploadResult> mHeldResult; // an upload end that came meanwhile
    QElapsedTimer mLastInput;                // since the user's last click or key in the view

    QWidget* mBrowserFrame = nullptr;
    QWebEngineView* mBrowser = nullptr;
    OrderWebPage* mPage = nullptr;
    QLabel* mVerifyLabel = nullptr;
    QLabel* mCodeLabel = nullptr;
    OrderLoadFailure* mLoadFailure = nullptr;
    QLineEdit* mVerifyInput = nullptr;
    QLabel* mSelectCoverLabel = nullptr;
    QLabel* mUploadLabel = nullptr;
    QProgressBar* mUploadProgressBar = nullptr;
    QPushButton* mNextStepButton = nullptr;
    QPushButton* mCancelButton = nullptr;
};
