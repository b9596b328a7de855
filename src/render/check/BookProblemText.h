#pragma once

#include "render/check/BookProblem.h"

#include <QCoreApplication>
#include <QString>

// The book check's words, in the user's language once the translations are
// installed.
class BookProblemText {
    Q_DECLARE_TR_FUNCTIONS(BookProblemText)
public:
    // What went wrong, for the list's second column: "Low resolution", ...
    static QString KindName(ProblemKind kind);
    // The box and the numbers: "photo box 2: 96 pixels per inch, 141 needed".
    static QString Detail(const BookProblem& problem);
    // The command line's line; its start stays the same in every language:
    // "page 3: low-resolution: photo box 2: 96 pixels per inch, 141 needed"
    static QString Line(const BookProblem& problem);
    // "No problems found" / "1 problem found" / "7 problems found".
    static QString Count(qsizetype count);
};
