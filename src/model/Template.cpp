#include "model/Template.h"

#include "base/LumbraError.h"

#include <QStringList>

namespace {

const Template::BoxPtr& BoxAt(const std::vector<Template::BoxPtr>& boxes, int index,
                              const char* kind) {
    if (index < 0 || size_t(index) >= boxes.size())
        throw LumbraError(QStringLiteral("No %1 box %2 in a template of %3")
                              .arg(QLatin1String(kind))
                              .arg(index)
                              .arg(boxes.size()));
    return boxes[size_t(index)];
}

QString SerializeAll(const std::vector<Template::BoxPtr>& boxes) {
    QString text;
    for (const auto& box : boxes)
        text += box->Serialize();
    return text;
}

} // namespace

std::shared_ptr<Template> Template::FromDefinition(const QString& definition) {
    auto made = std::make_shared<Template>();
    made->Deserialize(definition);
    return made;
}

const Template::BoxPtr& Template::PhotoBox(int index) const {
    return BoxAt(mPhotoBoxes, index, "photo");
}

const Template::BoxPtr& Template::TextBox(int index) const {
    return BoxAt(mTextBoxes, index, "text");
}

void Template::Deserialize(const QString& definition) {
    std::vector<BoxPtr> photoBoxes;
    std::vector<BoxPtr> textBoxes;
    for (const QString& piece : definition.split(u']')) {
        if (!piece.contains(u'['))
            continue;
        auto box = std::make_shared<TemplateBox>();
        box->Deserialize(piece);
        const bool text = box->BoxType() == TemplateBox::Kind::Text;
        (text ? textBoxes : photoBoxes).push_back(std::move(box));
    }
    mPhotoBoxes = std::move(photoBoxes);
    mTextBoxes = std::move(textBoxes);
    mInitLine = definition;
}

QString Template::Serialize() const { return SerializeAll(mPhotoBoxes) + SerializeAll(mTextBoxes); }
