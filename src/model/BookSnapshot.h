#pragma once

#include <QStringList>

// What a book's files hold at one moment: the text form of each page (as
// "book.pbx" stores them) and the names of the photos in its pool.
struct BookSnapshot {
    QStringList pages;  // in book order
    QStringList photos; // in pool order
    bool operator==(const BookSnapshot&) const = default;
};
