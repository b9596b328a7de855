#pragma once

#include <QString>
#include <QStringList>

class Book;
class QMimeData;
class Page;

// Drops on a page: files from the desktop (imported and placed by
// PageFileDrop), a photo key, "T:" and a template definition, or "bg:" and a
// background name. UI thread only.

struct DropPayload {
    QStringList files; // local paths, in the order given
    QString text;
    bool hasText = false;
};
DropPayload ReadDropPayload(const QMimeData& data);

// Files only over a photo box outside every text box; any text anywhere.
// Nothing without a page.
bool DropAllowed(bool hasPage, const DropPayload& payload, int textBox, int photoBox);

// UI thread: a text drop at (x, y) mm. An unknown key changes nothing; a
// bad template definition throws LumbraError. No save (the session's step saves).
void ApplyDropText(Book& book, Page& aPage, const QString& text, float x, float y);
