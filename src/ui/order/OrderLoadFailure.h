#pragma once

#include <QFrame>
#include <QUrl>

class QLabel;
class QPushButton;

// Stands over the order window's web view when a page of the service could
// not be loaded: what failed, the address and why, with Retry and a way to
// the Preferences, where the service's address is set.
class OrderLoadFailure : public QFrame {
    Q_OBJECT
public:
    explicit OrderLoadFailure(QWidget* parent = nullptr);

    // Shows the failure of `address` (reason: the web engine's words).
    void Show(const QUrl& address, const QString& reason);
    const QUrl& Address() const { return mAddress; }

    QLabel* Text() const { return mText; }
    QPushButton* RetryButton() const { return mRetry; }
    QPushButton* PreferencesButton() const { return mPreferences; }

signals:
    void retryClicked();
    void preferencesClicked();

private:
    QUrl mAddress;
    QLabel* mTitle;
    QLabel* mText;
    QPushButton* mRetry;
    QPushButton* mPreferences;
};
