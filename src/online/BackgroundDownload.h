#pragma once

#include "imaging/PhotoImageFiles.h"

#include <QFuture>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class BackgroundLibrary;
class QNetworkAccessManager;
class QNetworkReply;

// The addresses in the background site's selection text (what follows
// "bg:"): each item ends with ","; text after the last "," is ignored.
QStringList SplitBackgroundSelection(const QString& selection);

// Why an identifier the site gives a background cannot be used, or the
// empty text when it can. It becomes a file name and a name in the list, so
// it must not be empty, hold "/", "\", ":", "..", NUL or another control
// character, a hidden character (invisible, direction-changing, a line or
// paragraph separator: base/HiddenCharacters.h) or markup ("<", ">"), nor
// start with "." (its name would be empty), and it stays short.
QString BackgroundIdRefusal(const QString& id);
bool IsSafeBackgroundId(const QString& id);

// The library name of a background: its identifier up to the first ".".
QString BackgroundNameOf(const QString& id);

struct BackgroundDownloadSettings {
    QString scratchFolder;   // ends with "/"; holds a picture while its files are made
    int timeoutMs = 30000;   // a request idle this long has failed
    int deadlineMs = 300000; // a request not answered whole by then has failed
};

struct BackgroundDownloadResult {
    bool downloaded = false; // at least one background's files were made
    bool cancelled = false;  // stopped before its end
    // One per background that was not downloaded: its address and why.
    std::vector<Failure> failures;
};

// Fetches the backgrounds of a selection into the library, one after the
// other: for an item A, the identifier at A & ".uid", then the picture at
// A & "_or.jpg", whose library files are made on the thread pool.
//
// An identifier already listed raises repeatQuestion() once per run; the
// run waits for AnswerRepeat, and that answer holds for the later ones. A
// failed item (no answer, an error status, an unsafe identifier, a picture
// that is not a JPEG) writes nothing, is noted in the result and the next
// item is tried. Cancel() drops the request under way at once; files being
// made are finished first, so a background is whole or absent. Requests have
// the limits of LimitedReply (the identifier and the picture each with a
// size cap, the deadline) and follow only redirects to the same site.
class BackgroundDownload : public QObject {
    Q_OBJECT
public:
    BackgroundDownload(QNetworkAccessManager* network, BackgroundLibrary& library,
                       BackgroundDownloadSettings settings, QObject* parent = nullptr);
    // Waits for files still being made.
    ~BackgroundDownload() override;

    // Ignored while a run is under way or for no item.
    void Start(const QStringList& items);
    void AnswerRepeat(bool again);
    void Cancel();
    bool IsRunning() const { return mRunning; }
    // Progress runs from 0 to 3 per item.
    int ProgressMaximum() const { return 3 * int(mItems.size()); }

signals:
    void repeatQuestion();
    void progressChanged(int value);
    // A new background joined the library list.
    void backgroundAdded(const QString& name);
    void finished(const BackgroundDownloadResult& result);

private:
    void NextItem();
    void OnIdentifier(QNetworkReply* reply);
    void ContinueListed();
    void FetchPicture();
    void OnPicture(QNetworkReply* reply);
    void OnFilesMade(const PhotoImportResult& made);
    void ItemDone();
    // Notes the current item as not downloaded, `why` after its address.
    void Fail(const Failure& why);
    void Finish();
    QNetworkReply* Get(const QString& address, qint64 maxBytes);
    // The reply's body, or none after a failure (noted) or a cancel.
    std::optional<QByteArray> BodyOf(QNetworkReply* reply);
    void SetProgress(int value);

    QPointer<QNetworkAccessManager> mNetwork;
    BackgroundLibrary& mLibrary;
    BackgroundDownloadSettings mSettings;

    QStringList mItems;
    int mIndex = 0;
    QString mId; // identifier of the current item
    std::optional<bool> mRepeat;
    bool mRunning = false;
    bool mCancel = false;
    bool mWaitingForAnswer = false;
    int mProgress = 0;
    BackgroundDownloadResult mResult;
    QPointer<QNetworkReply> mReply;
    QFuture<PhotoImportResult> mFiles;
};
