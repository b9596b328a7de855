#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The orders the service has received, kept on disk so a person or a test
// can look at them: <folder>/<id>/ holds "order.txt" (its state as
// key=value lines) and one "<page>.jpg" per page received.
class OrderStore {
public:
    struct Order {
        QString id;
        QString state; // "open", "ended" or "cancelled"
        QString code;  // the verification code it was opened with
        QString cover;
        int pages = 0;       // as "end.php" gave it
        QList<int> received; // page numbers, ascending
    };

    explicit OrderStore(QString folder);

    const QString& Folder() const { return mFolder; }
    // A new open order; its id is "LB" followed by digits.
    QString Create(const QString& code);
    // Only ids this store could have made are looked up.
    bool Exists(const QString& id) const;
    Order Read(const QString& id) const;
    QStringList Ids() const;

    void StorePage(const QString& id, int page, const QByteArray& jpeg);
    QString PagePath(const QString& id, int page) const;
    void End(const QString& id, int pages, const QString& cover);
    void Cancel(const QString& id);

private:
    static bool IsWellFormed(const QString& id);
    QString OrderFolder(const QString& id) const;
    void Write(const Order& order) const;

    QString mFolder;
};
