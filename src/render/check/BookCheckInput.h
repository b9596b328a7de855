#pragma once

#include "render/check/BookCheck.h"

class Book;
class Templates;

// UI thread only: the book's pages as the check reads them, at the
// catalogue's page size and minima. Reads the byte size of each placed
// photo's full-size file (no more than its directory entry).
BookCheckInput BookCheckInputOf(const Book& book, const Templates& catalogue);
