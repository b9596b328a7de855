#pragma once

#include "online/UpdateCheck.h"
#include "ui/update/UpdateNotice.h"

#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class Constants;

struct UpdateCheckSettings {
    QString serviceBase;      // empty: the service's address at the time of each check
    int timeoutMs = 15000;    // no byte for this long: the check failed
    int silentDelayMs = 5000; // after the flow is made; negative: no silent check
    NoticeMotion notice;
    int deadlineMs = kUpdateCheckDeadlineMs; // no whole answer by then: the check failed
};

// The update check of the main window: once silently, shortly after start,
// and whenever the user asks. An announced version is offered by the
// sliding notice (silent) or by a question (asked for); choosing it opens
// the download page in the browser and closes the main window. Errors end a
// check without a word. Only an http or https address reaches the browser
// (ReadUpdateAnswer refuses others; Download checks again).
class UpdateCheckFlow : public QObject {
    Q_OBJECT
public:
    // `window` is the main window, also the parent of this object.
    UpdateCheckFlow(const Constants& strings, QWidget* window, UpdateCheckSettings settings);
    ~UpdateCheckFlow() override;

    void CheckSilently();
    // Ignored while an asked-for check is waiting for its answer.
    void CheckInteractively();

    // The notice or message of the last check while it shows; null otherwise.
    UpdateNotice* Notice() const { return mNotice; }
    QMessageBox* Message() const { return mMessage; }

signals:
    // After a check's answer has been acted on.
    void checked(bool silent, const UpdateAnswer& answer);

private:
    void Request(bool silent);
    void OnSilentAnswer(const UpdateAnswer& answer);
    void OnInteractiveAnswer(const UpdateAnswer& answer);
    void ShowMessage(QMessageBox* box);
    // Opens the download page; the program ends with its main window.
    void Download(const QString& address);

    const Constants& mStrings;
    QWidget* mWindow;
    UpdateCheckSettings mSettings;
    QNetworkAccessManager mNetwork;
    QTimer mSilentTimer;
    QPointer<UpdateNotice> mNotice;
    QPointer<QMessageBox> mMessage;
    bool mAsking = false;
};
