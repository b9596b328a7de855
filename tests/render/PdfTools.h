#pragma once

#include <QString>
#include <QStringList>

// The tools people check PDF files with (poppler-utils, qpdf), run on a file.
namespace PdfTools {

struct ToolRun {
    int exitCode = -1; // -1: the tool did not start or end
    QString out;
};

ToolRun Run(const QString& program, const QStringList& arguments);
// pdfinfo's value of `field` ("Pages", "Title", "Page size", ...).
QString Info(const QString& pdf, const QString& field);
// pdftotext of one page (1-based).
QString PageText(const QString& pdf, int page);
// The rows of pdfimages -list, each split into its columns.
QList<QStringList> Images(const QString& pdf);

} // namespace PdfTools
