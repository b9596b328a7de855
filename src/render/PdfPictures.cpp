#include "render/PdfPictures.h"

#include "base/LumbraError.h"
#include "base/Result.h"
#include "imaging/ColourConversion.h"
#include "imaging/JpegSegments.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace {

constexpr double kPointsPerMm = 72 / 25.4;

QPDFObjectHandle Name(const char* name) { return QPDFObjectHandle::newName(name); }
QPDFObjectHandle Text(const QString& text) {
    return QPDFObjectHandle::newUnicodeString(text.toStdString());
}

bool IsStandIn(QPDFObjectHandle image) {
    QPDFObjectHandle dict = image.getDict();
    const auto side = [&dict](const char* key) {
        QPDFObjectHandle value = dict.getKey(key);
        return value.isInteger() ? value.getIntValue() : -1;
    };
    return side("/Width") == 1 && side("/Height") == 1;
}

// The colour space of every picture: ICC-based sRGB, as the pages are made.
QPDFObjectHandle SrgbColourSpace(QPDF& pdf) {
    const QByteArray& icc = SrgbProfile();
    QPDFObjectHandle profile =
        QPDFObjectHandle::newStream(&pdf, std::string(icc.constData(), size_t(icc.size())));
    profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(3));
    profile.getDict().replaceKey("/Alternate", Name("/DeviceRGB"));
    QPDFObjectHandle space = QPDFObjectHandle::newArray();
    space.appendItem(Name("/ICCBased"));
    space.appendItem(profile);
    return pdf.makeIndirectObject(space);
}

void PutPicture(QPDFObjectHandle image, const PdfPicture& picture, QPDFObjectHandle colourSpace) {
    const std::optional<QSize> size = JpegFrameSize(picture.jpeg);
    if (!size)
        throw LumbraError(QStringLiteral("A page picture is not a JPEG file"));
    image.replaceStreamData(std::string(picture.jpeg.constData(), size_t(picture.jpeg.size())),
                            Name("/DCTDecode"), QPDFObjectHandle::newNull());
    QPDFObjectHandle dict = image.getDict();
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(size->width()));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(size->height()));
    dict.replaceKey("/ColorSpace", colourSpace);
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    dict.removeKey("/SMask");
    dict.removeKey("/DecodeParms");
}

// The page's boxes at the exact size, from the top-left corner Qt drew from.
void TrimPage(QPDFPageObjectHelper& page, QSizeF pageMm) {
    const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
    const double width = pageMm.width() * kPointsPerMm;
    const double height = pageMm.height() * kPointsPerMm;
    QPDFObjectHandle trimmed = QPDFObjectHandle::newArray(
        QPDFObjectHandle::Rectangle(box.llx, box.ury - height, box.llx + width, box.ury));
    QPDFObjectHandle object = page.getObjectHandle();
    object.replaceKey("/MediaBox", trimmed);
    object.replaceKey("/CropBox", trimmed);
    object.replaceKey("/TrimBox", trimmed);
}

void SetMetadata(QPDF& pdf, const PdfMetadata& metadata) {
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    info.replaceKey("/Title", Text(metadata.title));
    info.replaceKey("/Author", Text(metadata.author));
    info.replaceKey("/Creator", Text(metadata.creator));
}

QByteArray Rewrite(const QByteArray& bytes, const std::vector<PdfPicture>& pictures,
                   const PdfMetadata& metadata) {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
    pdf.processMemoryFile("book.pdf", bytes.constData(), size_t(bytes.size()));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    if (pages.size() != pictures.size())
        throw LumbraError(QStringLiteral("The PDF has %1 pages for %2 pictures")
                              .arg(pages.size())
                              .arg(pictures.size()));
    const QPDFObjectHandle colourSpace = SrgbColourSpace(pdf);
    for (size_t i = 0; i < pages.size(); ++i) {
        int replaced = 0;
        for (auto& [name, image] : pages[i].getImages())
            if (IsStandIn(image)) {
                PutPicture(image, pictures[i], colourSpace);
                ++replaced;
            }
        if (replaced != 1)
            throw LumbraError(QStringLiteral("PDF page %1 has no picture to fill").arg(i + 1));
        TrimPage(pages[i], metadata.pageMm);
    }
    SetMetadata(pdf, metadata);
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(out->getBuffer()), qsizetype(out->getSize()));
}

} // namespace

QByteArray WithPictures(const QByteArray& pdf, const std::vector<PdfPicture>& pictures,
                        const PdfMetadata& metadata) {
    try {
        return Rewrite(pdf, pictures, metadata);
    } catch (const LumbraError&) {
        throw;
    } catch (const std::exception& e) {
        throw LumbraError(QStringLiteral("Cannot make the PDF: %1").arg(ExceptionText(e)));
    }
}
