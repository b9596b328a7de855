#include "OrderStore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace {

const QString kStateFile = QStringLiteral("order.txt");

} // namespace

OrderStore::OrderStore(QString folder) : mFolder(std::move(folder)) { QDir().mkpath(mFolder); }

bool OrderStore::IsWellFormed(const QString& id) {
    static const QRegularExpression form(QStringLiteral("^LB[0-9]{1,9}$"));
    return form.match(id).hasMatch();
}

QString OrderStore::OrderFolder(const QString& id) const { return QDir(mFolder).filePath(id); }

QString OrderStore::Create(const QString& code) {
    int number = 1000 + int(Ids().size()) + 1;
    while (QDir(OrderFolder(QStringLiteral("LB%1").arg(number))).exists())
        ++number;
    Order order;
    order.id = QStringLiteral("LB%1").arg(number);
    order.state = QStringLiteral("open");
    order.code = code;
    QDir().mkpath(OrderFolder(order.id));
    Write(order);
    return order.id;
}

bool OrderStore::Exists(const QString& id) const {
    return IsWellFormed(id) && QFile::exists(QDir(OrderFolder(id)).filePath(kStateFile));
}

OrderStore::Order OrderStore::Read(const QString& id) const {
    Order order;
    order.id = id;
    if (!Exists(id))
        return order;
    QFile file(QDir(OrderFolder(id)).filePath(kStateFile));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            const QString key = text.section(u'=', 0, 0);
            const QString value = text.section(u'=', 1);
            if (key == QLatin1String("state"))
                order.state = value;
            else if (key == QLatin1String("code"))
                order.code = value;
            else if (key == QLatin1String("cover"))
                order.cover = value;
            else if (key == QLatin1String("pages"))
                order.pages = value.toInt();
        }
    }
    for (const QString& name : QDir(OrderFolder(id)).entryList({QStringLiteral("*.jpg")}))
        order.received << name.section(u'.', 0, 0).toInt();
    std::sort(order.received.begin(), order.received.end());
    return order;
}

QStringList OrderStore::Ids() const {
    QStringList ids;
    for (const QString& name :
         QDir(mFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (Exists(name))
            ids << name;
    return ids;
}

QString OrderStore::PagePath(const QString& id, int page) const {
    return QDir(OrderFolder(id)).filePath(QStringLiteral("%1.jpg").arg(page));
}

// Whole or not at all for readers (written beside, then renamed), but not
// forced to the disk: a page lost to a power cut is sent again.
void OrderStore::StorePage(const QString& id, int page, const QByteArray& jpeg) {
    const QString path = PagePath(id, page);
    QFile file(path + QStringLiteral(".part"));
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
        file.remove();
        return;
    }
    file.close();
    QFile::remove(path);
    file.rename(path);
}

void OrderStore::End(const QString& id, int pages, const QString& cover) {
    Order order = Read(id);
    order.state = QStringLiteral("ended");
    order.pages = pages;
    order.cover = cover;
    Write(order);
}

void OrderStore::Cancel(const QString& id) {
    Order order = Read(id);
    order.state = QStringLiteral("cancelled");
    Write(order);
}

void OrderStore::Write(const Order& order) const {
    QSaveFile file(QDir(OrderFolder(order.id)).filePath(kStateFile));
    if (!file.open(QIODevice::WriteOnly))
        return;
    // One line per value, whatever a request put in it.
    const auto line = [](QString value) { return value.replace(u'\n', u' ').replace(u'\r', u' '); };
    file.write(QStringLiteral("state=%1\ncode=%2\ncover=%3\npages=%4\n")
                   .arg(line(order.state), line(order.code), line(order.cover))
                   .arg(order.pages)
                   .toUtf8());
    file.commit();
}
