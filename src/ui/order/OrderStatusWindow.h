#pragma once

#include <QDialog>
#include <QString>

class Constants;
class QPushButton;
class QWebEngineView;

// The service's status page for the orders of a book, in a window modal
// over its owner. Made once per owner and reused. The page names each order
// once; its link to continue an unfinished upload ("resume.php?id=ID&page=N",
// N the first page the service lacks) is not followed: the window closes and
// asks for the upload instead.
class OrderStatusWindow : public QDialog {
    Q_OBJECT
public:
    OrderStatusWindow(const Constants& strings, QString serviceBase, QWidget* owner);

    // Shows the status page of the ids ("status.php?ids=" + the ids as they
    // are kept, each once) and opens the window without waiting for it.
    void ShowOrderStatus(const QString& orderIds);
    void SetServiceBase(const QString& serviceBase) { mServiceBase = serviceBase; }

    QWebEngineView* WebView() const { return mWebView; }
    QPushButton* ConfirmButton() const { return mConfirmButton; }

signals:
    // The user chose to continue the upload of an order from page index `startIndex`.
    void resumeRequested(const QString& orderId, int startIndex);

private:
    bool OnLinkClicked(const QUrl& url);

    QString mServiceBase;
    QWebEngineView* mWebView;
    QPushButton* mConfirmButton;
};

// "a,b,a,,c" -> "a,b,c": a resumed order is kept once per attempt.
QString EachOrderIdOnce(const QString& orderIds);

// The owner's order-status window, made on first use; it asks the service
// at `serviceBase` from now on.
OrderStatusWindow& OrderStatusWindowOf(QWidget* owner, const Constants& strings,
                                       const QString& serviceBase);
