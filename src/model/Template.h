#pragma once

#include "model/TemplateBox.h"

#include <QString>
#include <memory>
#include <vector>

// A page layout: photo boxes and text boxes, each list indexed from 0 in the
// order of the definition text. Pages tie photos and texts to these indices.
class Template {
public:
    using BoxPtr = std::shared_ptr<const TemplateBox>;

    // A new template built from a definition; throws LumbraError.
    static std::shared_ptr<Template> FromDefinition(const QString& definition);

    int PhotoBoxCount() const { return int(mPhotoBoxes.size()); }
    int TextBoxCount() const { return int(mTextBoxes.size()); }
    // Throw LumbraError for an index outside 0 .. count - 1.
    const BoxPtr& PhotoBox(int index) const;
    const BoxPtr& TextBox(int index) const;

    // Reads box entries "Kind[x, y, w, h, r]" separated by anything without
    // "[". A malformed entry throws LumbraError and leaves the template as it was.
    void Deserialize(const QString& definition);
    // Photo boxes first, then text boxes, with no separator.
    QString Serialize() const;
    // The definition this template was built from, character for character.
    const QString& GetInitLine() const { return mInitLine; }

private:
    std::vector<BoxPtr> mPhotoBoxes;
    std::vector<BoxPtr> mTextBoxes;
    QString mInitLine;
};
