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

    static QString LockPath(const QString& key);
    static QString ServerName(const QString& key);

private:
    QString mKey;
    std::unique_ptr<QLockFile> mLock;
    QLocalServer* mServer = nullptr;
};

// The key of the running window for this user's data folder.
QString RunningCopyKey();

// Whether the running window of this user has the book in `bookFolder` open.
bool BookOpenInRunningWindow(const QString& bookFolder);
