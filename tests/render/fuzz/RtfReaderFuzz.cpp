// The rich text of a text box: read as the page renderer reads it (font
// sizes scaled first), written back by RtfWriter and read once more.
#include "render/rtf/RtfFontSizes.h"
#include "render/rtf/RtfReader.h"
#include "render/rtf/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts need one
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString rtf = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)RtfReader::IsRtf(rtf);
    const RtfReader reader(RtfDefaults{QString(), kTextSizeFactor * 12.0});
    const std::unique_ptr<QTextDocument> document =
        reader.Read(ScaleRtfFontSizes(rtf, kTextSizeFactor));
    const QString written = RtfWriter::Write(*document);
    (void)RtfReader().Read(written);
    return 0;
}
