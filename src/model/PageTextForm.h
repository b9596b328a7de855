#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The text form of a page: template boxes, then "Image{record}" per photo
// entry, "Text{base64}" per text entry and "bgImage(name)". Nothing is escaped.
namespace PageTextForm {

struct Parts {
    QString templateForm;     // the template's own text form
    QStringList photoRecords; // per photo entry; empty for an empty box
    QStringList encodedTexts; // per text entry, Base64; empty for an empty box
    QString background;
};

QString Write(const Parts& parts);

// One "Image{...}" entry as read back.
struct ImageEntry {
    QString name;                  // the trimmed name field
    QString key;                   // its last 32 characters
    std::optional<QString> record; // what follows the first "," (offsets, zoom, angle)
};

// The "Image{" entries in order (empty boxes included, with an empty key).
QList<ImageEntry> ReadImages(const QString& form);
// The Base64 of every "Text{" entry in order (empty for an empty box).
QStringList ReadTexts(const QString& form);
// The text between the first "(" and the first ")" after it; nothing when absent.
std::optional<QString> ReadBackground(const QString& form);

} // namespace PageTextForm
