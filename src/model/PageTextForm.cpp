#include "model/PageTextForm.h"

namespace PageTextForm {

namespace {

const QString kImageOpen = QStringLiteral("Image{");
const QString kTextOpen = QStringLiteral("Text{");

// What follows the last `open` marker of each "}"-ended piece that holds one.
QStringList EntryBodies(const QString& form, const QString& open) {
    QStringList bodies;
    for (const QString& piece : form.split(QLatin1Char('}'))) {
        const qsizetype p = piece.lastIndexOf(open);
        if (p >= 0)
            bodies << piece.mid(p + open.size());
    }
    return bodies;
}

void AppendEntries(QString& out, const QString& open, const QStringList& bodies) {
    for (const QString& body : bodies) {
        out += open;
        out += body;
        out += QLatin1Char('}');
    }
}

} // namespace

QString Write(const Parts& parts) {
    QString out = parts.templateForm;
    AppendEntries(out, kImageOpen, parts.photoRecords);
    AppendEntries(out, kTextOpen, parts.encodedTexts);
    out += QStringLiteral("bgImage(") + parts.background + QLatin1Char(')');
    return out;
}

QList<ImageEntry> ReadImages(const QString& form) {
    QList<ImageEntry> entries;
    for (const QString& body : EntryBodies(form, kImageOpen)) {
        const qsizetype comma = body.indexOf(QLatin1Char(','));
        ImageEntry entry;
        entry.name = (comma < 0 ? body : body.left(comma)).trimmed();
        entry.key = entry.name.right(32);
        if (comma >= 0)
            entry.record = body.mid(comma + 1);
        entries << entry;
    }
    return entries;
}

QStringList ReadTexts(const QString& form) { return EntryBodies(form, kTextOpen); }

std::optional<QString> ReadBackground(const QString& form) {
    const qsizetype open = form.indexOf(QLatin1Char('('));
    const qsizetype close = form.indexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return std::nullopt;
    return form.mid(open + 1, close - open - 1);
}

} // namespace PageTextForm
