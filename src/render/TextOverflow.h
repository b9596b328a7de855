#pragma once

#include <QSizeF>
#include <QString>

// The lines of a box's text that do not fit its box, wholly or in part, in
// the print layout (the lines the page and the print cut). 0 when it fits.
int CutLineCount(const QString& rtf, QSizeF boxMm);
