#pragma once

#include <QDialog>
#include <QString>

class Constants;
class QPushButton;
class QWebEngineView;

// The service's status page for the orders of a book, in a window modal
// over its owner. Made once per owner and reused.
class OrderStatusWindow : public QDialog {
    Q_OBJECT
public:
    OrderStatusWindow(const Constants& strings, QString serviceBase, QWidget* owner);

    // Shows the status page of the ids ("status.php?ids=" + the ids as they
    // are kept, commas and all) and opens the window without waiting for it.
    void ShowOrderStatus(const QString& orderIds);

    QWebEngineView* WebView() const { return mWebView; }
    QPushButton* ConfirmButton() const { return mConfirmButton; }

private:
    QString mServiceBase;
    QWebEngineView* mWebView;
    QPushButton* mConfirmButton;
};

// The owner's order-status window, made on first use.
OrderStatusWindow& OrderStatusWindowOf(QWidget* owner, const Constants& strings,
                                       const QString& serviceBase);
