#pragma once

#include <QStringList>

class Book;

// Two known contents of a 100-page book, for the tests that kill a save.
namespace SaveStates {

inline constexpr int kPages = 100;

// Gives the book kPages pages whose texts say `state` ('A' or 'B') and the page.
void Fill(Book& book, char state);
// The serialised pages of a book filled with `state`.
QStringList Expected(char state);
QStringList PagesOf(const Book& book);

} // namespace SaveStates
