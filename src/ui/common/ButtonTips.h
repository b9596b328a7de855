#pragma once

#include <QString>

// Tooltips of the buttons that have no language text of their own, by the
// button's key; empty for a key not known here.

// The photo editor: "small", "big", "rotateLeft", "rotateRight", "ok", "zoom".
QString PhotoEditorTip(const QString& key);

// The text editor: "font", "size", "bold", "italic", "underline",
// "alignLeft", "alignCenter", "alignRight", "color".
QString TextEditorTip(const QString& key);
