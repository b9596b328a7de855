#include "ui/update/UpdateCheckFlow.h"

#include "base/BaseLog.h"
#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/ProgramInfo.h"
#include "base/ShellOpen.h"
#include "online/ServiceAddress.h"
#include "ui/UiLog.h"
#include "ui/common/MessageBoxButtons.h"

#include <QMessageBox>
#include <QNetworkReply>

UpdateCheckFlow::UpdateCheckFlow(const Constants& strings, QWidget* window,
                                 UpdateCheckSettings settings)
    : QObject(window), mStrings(strings), mWindow(window), mSettings(std::move(settings)) {
    mSilentTimer.setSingleShot(true);
    connect(&mSilentTimer, &QTimer::timeout, this, &UpdateCheckFlow::CheckSilently);
    if (mSettings.silentDelayMs >= 0)
        mSilentTimer.start(mSettings.silentDelayMs);
}

// A check still running ends without reaching this half-destroyed object.
UpdateCheckFlow::~UpdateCheckFlow() {
    for (QNetworkReply* reply : mNetwork.findChildren<QNetworkReply*>())
        reply->disconnect(this);
}

void UpdateCheckFlow::CheckSilently() {
    mSilentTimer.stop(); // once per run
    Request(true);
}

void UpdateCheckFlow::CheckInteractively() {
    if (mAsking)
        return;
    mAsking = true;
    Request(false);
}

void UpdateCheckFlow::Request(bool silent) {
    int version = 0;
    try {
        version = VersionNumber();
    } catch (const LumbraError&) {
        LogCaughtException(lcUi(), "The program's version number for the update check");
        if (!silent)
            mAsking = false;
        emit checked(silent, UpdateAnswer{});
        return;
    }
    RequestUpdateCheck(
        mNetwork,
        ServiceAddress(mSettings.serviceBase.isEmpty() ? ServiceBaseUrl() : mSettings.serviceBase),
        version, mSettings.timeoutMs, this,
        [this, silent](const UpdateAnswer& answer) {
            if (silent) {
                OnSilentAnswer(answer);
            } else {
                mAsking = false;
                OnInteractiveAnswer(answer);
            }
            emit checked(silent, answer);
        },
        mSettings.deadlineMs);
}

void UpdateCheckFlow::OnSilentAnswer(const UpdateAnswer& answer) {
    if (answer.kind != UpdateAnswer::Kind::Newer)
        return;
    if (mNotice)
        mNotice->close();
    mNotice = new UpdateNotice(mStrings, mWindow, mSettings.notice);
    mNotice->SetAddress(answer.address);
    connect(mNotice, &UpdateNotice::addressChosen, this, &UpdateCheckFlow::Download);
    mNotice->Start();
}

void UpdateCheckFlow::OnInteractiveAnswer(const UpdateAnswer& answer) {
    const QString title = mStrings.Text(u"cNewUpdateCaption");
    if (answer.kind == UpdateAnswer::Kind::Current) {
        ShowMessage(new QMessageBox(QMessageBox::Information, title,
                                    mStrings.Text(u"cNewUpdateNoNewVersion"), QMessageBox::Ok,
                                    mWindow));
        return;
    }
    if (answer.kind != UpdateAnswer::Kind::Newer)
        return;
    auto* box =
        new QMessageBox(QMessageBox::Warning, title, mStrings.Text(u"cNewUpdateHasNewVersion"),
                        QMessageBox::Yes | QMessageBox::No, mWindow);
    box->setDefaultButton(QMessageBox::Yes);
    const QString address = answer.address;
    connect(box, &QMessageBox::finished, this, [this, address](int result) {
        if (result == QMessageBox::Yes)
            Download(address);
    });
    ShowMessage(box);
}

// Modal over the main window, not waited for: the answer comes through `finished`.
void UpdateCheckFlow::ShowMessage(QMessageBox* box) {
    NameStandardButtons(*box, mStrings);
    box->setAttribute(Qt::WA_DeleteOnClose);
    mMessage = box;
    box->open();
}

void UpdateCheckFlow::Download(const QString& address) {
    if (!WebPageUrl(address)) {
        qCWarning(lcUi) << "update check: not a web address, not opened";
        return; // the window stays: nothing was opened
    }
    OpenWebPage(address);
    mWindow->close();
}
