#pragma once

#include <QString>

class Book;

// Which pages a background goes on. Page numbers count from 1, so the even
// page numbers are the odd indices.
enum class BackgroundPages { All, EvenNumbers, OddNumbers };

// True when the page at this index (from 0) is one of the chosen pages.
bool BackgroundGoesOnPage(BackgroundPages which, int index);

// Gives every chosen page the background, in index order; no save (the
// session's step saves).
void SetBackgroundOnPages(Book& book, const QString& name, BackgroundPages which);
