#pragma once

#include "OrderStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The HTML pages the service shows in the program's embedded web view and
// in a browser. All return UTF-8 documents.
namespace ServicePages {

QByteArray Start(const QStringList& codes, int pages);
// Picking a cover puts "cover:" + its value into the last element of the page.
QByteArray Cover();
// A payment page; its last anchor is the link the order window follows.
QByteArray Purchase(const QString& id, int pages);
QByteArray Paid(const QString& id);
// One row per order, its state in the customer's words; an unfinished upload
// links to "resume.php?id=ID&page=N", N the first page missing.
QByteArray Status(const QList<OrderStore::Order>& orders, const QStringList& unknown);
// Where that link leads outside the program.
QByteArray Resume();
QByteArray Orders(const QList<OrderStore::Order>& orders);
// The background site's start page: the selection is kept in an element
// holding "bg:" followed by the chosen addresses, each ended by ",".
QByteArray Backgrounds(const QStringList& names);

} // namespace ServicePages
