#include "online/BackgroundDownload.h"

#include "base/AtomicWrite.h"
#include "base/BackgroundWork.h"
#include "base/HiddenCharacters.h"
#include "base/LumbraError.h"
#include "imaging/PictureFile.h"
#include "model/BackgroundLibrary.h"
#include "model/PhotoImage.h"
#include "online/LimitedReply.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

namespace {

// One picture's work on the pool: its scratch file, the library's files made
// from it, the scratch file removed.
PhotoImportResult MakeBackgroundFiles(const PhotoImportJob& job, const QByteArray& picture) {
    try {
        WriteFileAtomically(job.source, picture);
    } catch (const LumbraError&) {
        PhotoImportResult failed; // reported with the item
        failed.failure = CaughtFailure(QCoreApplication::translate(
            "BackgroundDownload", "The picture could not be written to the scratch folder"));
        return failed;
    }
    const PhotoImportResult made = RunPhotoImport(job);
    QFile::remove(job.source);
    return made;
}

// A reason the download gives itself: translated for the user, as written for the log.
Failure Reason(const char* text) {
    return {QCoreApplication::translate("BackgroundDownload", text), QString::fromUtf8(text)};
}

constexpr qsizetype kMaxIdLength = 100;
constexpr qint64 kMaxIdBytes = 4096;

bool IsWebAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

QStringList SplitBackgroundSelection(const QString& selection) {
    QStringList items = selection.split(u',');
    items.removeLast(); // the text after the last ","
    return items;
}

QString BackgroundIdRefusal(const QString& id) {
    if (id.isEmpty())
        return QStringLiteral("it is empty");
    if (id.size() > kMaxIdLength)
        return QStringLiteral("it is longer than %1 characters").arg(kMaxIdLength);
    if (const std::optional<char32_t> hidden = FirstHiddenCharacter(id))
        return QStringLiteral("it holds %1, a character that shows nothing or turns the text")
            .arg(CodePointName(*hidden));
    for (const QChar c : id)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("it holds the control character %1")
                .arg(CodePointName(c.unicode()));
    if (id.contains(u'<') || id.contains(u'>'))
        return QStringLiteral("it holds markup (\"<\" or \">\")");
    if (!BackgroundLibrary::IsPlainName(id) || id.startsWith(u'.'))
        return QStringLiteral("it cannot be a file name");
    return {};
}

bool IsSafeBackgroundId(const QString& id) { return BackgroundIdRefusal(id).isEmpty(); }

QString BackgroundNameOf(const QString& id) { return id.section(u'.', 0, 0); }

BackgroundDownload::BackgroundDownload(QNetworkAccessManager* network, BackgroundLibrary& library,
                                       BackgroundDownloadSettings settings, QObject* parent)
    : QObject(parent), mNetwork(network), mLibrary(library), mSettings(std::move(settings)) {}

BackgroundDownload::~BackgroundDownload() {
    if (mReply) {
        disconnect(mReply, nullptr, this, nullptr);
        mReply->abort();
        mReply->deleteLater();
    }
    mFiles.waitForFinished();
}

void BackgroundDownload::Start(const QStringList& items) {
    if (mRunning || items.isEmpty())
        return;
    mItems = items;
    mIndex = 0;
    mRepeat.reset();
    mCancel = false;
    mResult = {};
    mRunning = true;
    SetProgress(0);
    NextItem();
}

void BackgroundDownload::Cancel() {
    if (!mRunning)
        return;
    mCancel = true;
    if (mReply)
        mReply->abort(); // its finished() ends the run
    else if (mWaitingForAnswer)
        Finish();
    // Files being made: the run ends when they are done.
}

void BackgroundDownload::NextItem() {
    if (mCancel)
        return Finish();
    if (mIndex >= mItems.size())
        return Finish();
    mId.clear();
    const QString& item = mItems.at(mIndex);
    if (!IsWebAddress(item + QStringLiteral(".uid")))
        return Fail(Reason(QT_TRANSLATE_NOOP("BackgroundDownload", "it is not a web address")));
    QNetworkReply* reply = Get(item + QStringLiteral(".uid"), kMaxIdBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { OnIdentifier(reply); });
}

void BackgroundDownload::OnIdentifier(QNetworkReply* reply) {
    const std::optional<QByteArray> body = BodyOf(reply);
    if (!body)
        return;
    mId = QString::fromUtf8(*body).trimmed();
    if (const QString refusal = BackgroundIdRefusal(mId); !refusal.isEmpty()) {
        const QString shown = WithHiddenShown(QStringView(mId).left(kMaxIdLength));
        return Fail({tr("the site named it \"%1\", which cannot be a background's name").arg(shown),
                     QStringLiteral("the site named it \"%1\", which cannot be used: %2")
                         .arg(shown, refusal)});
    }
    if (!mLibrary.IsBackgroundListed(BackgroundNameOf(mId)))
        return FetchPicture();
    if (mRepeat.has_value())
        return ContinueListed();
    mWaitingForAnswer = true;
    emit repeatQuestion();
}

void BackgroundDownload::AnswerRepeat(bool again) {
    if (!mWaitingForAnswer)
        return;
    mWaitingForAnswer = false;
    mRepeat = again;
    ContinueListed();
}

void BackgroundDownload::ContinueListed() {
    if (*mRepeat)
        FetchPicture();
    else
        ItemDone(); // skipped
}

void BackgroundDownload::FetchPicture() {
    if (mCancel)
        return Finish();
    SetProgress(mProgress + 1);
    QNetworkReply* reply = Get(mItems.at(mIndex) + QStringLiteral("_or.jpg"), kMaxPictureFileBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { OnPicture(reply); });
}

void BackgroundDownload::OnPicture(QNetworkReply* reply) {
    const std::optional<QByteArray> body = BodyOf(reply);
    if (!body)
        return;
    SetProgress(mProgress + 1);
    PhotoImage picture;
    const PhotoImportJob job =
        picture.BeginBackgroundImport(mSettings.scratchFolder + mId, mLibrary.BackgroundsFolder());
    mFiles = RunInBackground(
        this, [job, bytes = *body] { return MakeBackgroundFiles(job, bytes); },
        [this](const PhotoImportResult& made) { OnFilesMade(made); });
}

void BackgroundDownload::OnFilesMade(const PhotoImportResult& made) {
    if (made.failure)
        return Fail(*made.failure);
    if (!made.supported)
        return Fail(
            Reason(QT_TRANSLATE_NOOP("BackgroundDownload", "its picture is not a JPEG file")));
    mResult.downloaded = true;
    const QString name = BackgroundNameOf(mId);
    if (!mLibrary.IsBackgroundListed(name)) {
        mLibrary.AddBackground(name);
        emit backgroundAdded(name);
    }
    ItemDone();
}

// The next item starts from the event loop: a run of refused items does not
// nest, and a cancel asked for in between is seen.
void BackgroundDownload::ItemDone() {
    SetProgress(mResult.downloaded ? 3 * (mIndex + 1) : 0);
    ++mIndex;
    QMetaObject::invokeMethod(this, &BackgroundDownload::NextItem, Qt::QueuedConnection);
}

// Logged where the result is shown.
void BackgroundDownload::Fail(const Failure& why) {
    const QString& item = mItems.at(mIndex);
    mResult.failures.push_back(
        {tr("%1: %2").arg(item, why.message), QStringLiteral("%1: %2").arg(item, why.detail)});
    ItemDone();
}

void BackgroundDownload::Finish() {
    mResult.cancelled = mCancel && mIndex < mItems.size();
    mRunning = false;
    mWaitingForAnswer = false;
    emit finished(mResult);
}

QNetworkReply* BackgroundDownload::Get(const QString& address, qint64 maxBytes) {
    QNetworkReply* reply = SendLimited(
        *mNetwork, QUrl(address), ReplyLimits{maxBytes, mSettings.deadlineMs, mSettings.timeoutMs},
        Redirects::SameOrigin);
    mReply = reply;
    return reply;
}

std::optional<QByteArray> BackgroundDownload::BodyOf(QNetworkReply* reply) {
    reply->deleteLater();
    mReply = nullptr;
    const std::optional<QString> failure = ReplyFailure(*reply);
    if (failure && mCancel && !StoppedByLimits(*reply)) {
        Finish();
        return std::nullopt;
    }
    if (failure) {
        Fail({tr("the download failed: %1").arg(*failure), *failure});
        return std::nullopt;
    }
    return ReplyBody(*reply);
}

void BackgroundDownload::SetProgress(int value) {
    mProgress = value;
    emit progressChanged(value);
}
