#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QLocalServer;

// One running window per user. The first copy holds a lock and answers on a
// local socket; a later copy asks it to come to the front instead of opening
// the books a second time, and the command line asks it which book is open.
//
// Both live in the user's private runtime folder (RunningCopyFolder), never
// in the shared temporary folder where another user could make them first.
// A lock or socket there that another user owns is not trusted: the lock
// counts as free (and is replaced), the socket is not asked.
class RunningCopy : public QObject {
    Q_OBJECT
public:
    // key: one per user, e.g. the application data folder.
    explicit RunningCopy(const QString& key);
    ~RunningCopy() override;

    // True when no other copy runs; this copy then holds the lock.
    bool Claim();
    // Answers the later copies: "activate" calls `activate`; "open-book"
    // gets the folder of the open book.
    void Serve(std::function<void()> activate, std::function<QString()> openBookFolder);

    // For a later copy: asks the running one to come to the front. False
    // when it cannot be reached.
    static bool AskToActivate(const QString& key, int timeoutMs = 3000);
    // The folder of the book the running window has open; nothing when no
    // window runs or it cannot be reached, an empty text when no book is open.
    static std::optional<QString> AskOpenBook(const QString& key, int timeoutMs = 3000);

    // Both are empty when no private folder could be had.
    static QString LockPath(const QString& key);
    static QString ServerName(const QString& key);
    // "lumbra-" and 16 hex digits of the key: the socket's file name; the lock adds ".lock".
    static QString FileName(const QString& key);

private:
    QString mKey;
    std::unique_ptr<QLockFile> mLock;
    QLocalServer* mServer = nullptr;
};

// The key of the running window for this user's data folder.
QString RunningCopyKey();

// True for a folder (not a link to one) that this user owns and nobody else
// may enter: mode 0700 or stricter.
bool IsPrivateFolder(const QString& path);

// The user's private folder for the lock and the socket, the first of:
// XDG_RUNTIME_DIR when IsPrivateFolder; "<temp>/lumbra-<uid>", made with mode
// 0700 when missing; "run" in `fallback` (the user's data folder), made the
// same way. A candidate another user owns or can enter is passed over.
// Empty when none is private.
QString RunningCopyFolder(const QString& fallback = RunningCopyKey());

// Whether the running window of this user has the book in `bookFolder` open.
bool BookOpenInRunningWindow(const QString& bookFolder);
