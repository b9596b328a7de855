#pragma once

#include "model/PhotoImportQueue.h"

#include <QString>

// The count of one import's outcomes, for its summary line.
struct ImportTally {
    int added = 0;
    int already = 0;
    int notAdded = 0;

    void Count(const PhotoImportOutcome& outcome);
    // "20 added, 3 not added" (", 2 already in the book" when there are such).
    QString Summary() const;
};

class Constants;

// The status line of a file: the outcome's text, " :" and the path. The
// texts are the language file's (none without one), a refusal in plain words,
// a failure's message. The failure's detail is for the caller to log.
QString ImportStatusLine(const PhotoImportOutcome& outcome, const Constants* strings);
