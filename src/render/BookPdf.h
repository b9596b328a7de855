#pragma once

#include "render/PageExport.h"

#include <QSizeF>
#include <QString>

// A book as one PDF file: a page per book page at the catalogue's page size
// in mm, the page picture the print files have (background and photos, the
// same pixels, embedded as the JPEG the print file holds) and the texts over
// it as text with embedded fonts, so they stay sharp, searchable and
// selectable. The file is written whole (temporary file and rename) or not
// at all.

struct PdfDocument {
    QString file;
    QString title;
    QString author;
    QString creator;
    QSizeF pageMm;
};

// UI thread. The pages of `book` at print size; `document` names the file,
// the book as title and the user as author.
PageExportPlan PlanPdf(const Book& book, QSize printSize);
PdfDocument PdfDocumentFor(const Book& book, const QString& file, QSizeF pageMm);

// Any thread: renders the plan's pages (RenderPagesInOrder) and writes the
// PDF. `progress(index, count)` after each page (index from 0, count the
// plan's pages), then (count, count) once the file is written. A page that cannot be made, a failed
// write or `cancel` leave no file (written 0); photos that cannot be read are left out and listed,
// as in the print files.
PageExportResult ExportPdf(const PageExportPlan& plan, const PdfDocument& document,
                           const PageRenderer& renderer,
                           const std::function<void(int index, int count)>& progress = {},
                           const std::atomic<bool>* cancel = nullptr);
