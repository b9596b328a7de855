#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <vector>

// Qt's PDF writer keeps text as text but embeds every picture as a JPEG of
// its own making (quality 94, a second loss and about three times the bytes
// of the print file). So the PDF is written with a 1 x 1 stand-in picture
// per page, and the stand-ins are then replaced, through qpdf, by the print
// pages' JPEG files as they are (DCTDecode), in an ICC-based sRGB colour
// space.

struct PdfPicture {
    QByteArray jpeg; // a whole JPEG file
};

struct PdfMetadata {
    QString title;
    QString author;
    QString creator;
    QSizeF pageMm; // Qt rounds a page to whole points: the page boxes are set to this
};

// `pdf` with the stand-in of page i replaced by pictures[i], the page boxes
// trimmed to pageMm (keeping the top-left corner) and the metadata set.
// Throws LumbraError when the PDF cannot be read, a page has no stand-in, a
// picture is not a JPEG or the counts differ.
QByteArray WithPictures(const QByteArray& pdf, const std::vector<PdfPicture>& pictures,
                        const PdfMetadata& metadata);
