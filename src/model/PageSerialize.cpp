// A page's text form: writing it and rebuilding the page from it.
#include "base/Codec.h"
#include "base/LumbraError.h"
#include "model/Page.h"
#include "model/PageTextForm.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"

namespace {

// The template's part of a page form: everything before the first entry.
QString TemplatePart(const QString& form) {
    qsizetype end = form.size();
    for (const QLatin1String marker : {QLatin1String("Image{"), QLatin1String("Text{")}) {
        const qsizetype at = form.indexOf(marker);
        if (at >= 0)
            end = std::min(end, at);
    }
    return form.left(end);
}

} // namespace

// Whether the photo already stands in a box other than entry k of this page.
bool Page::StandsElsewhere(const PhotoImage& photo, int k) const {
    const std::shared_ptr<Page> owner = photo.GetPage();
    const int at = owner ? owner->FirstEntryWithKey(photo.GetKey()) : -1;
    return at >= 0 && (owner.get() != this || at != k);
}

QString Page::Serialize() const {
    PageTextForm::Parts parts;
    if (mTemplate)
        parts.templateForm = mTemplate->Serialize();
    for (const PhotoPtr& photo : mPhotos)
        parts.photoRecords << (photo ? photo->Serialize() : QString());
    for (const QString& text : mTexts)
        parts.encodedTexts << (text.isEmpty() ? QString() : Codec::EncodeString(text));
    parts.background = mBackground;
    return PageTextForm::Write(parts);
}

void Page::Deserialize(const QString& form, const PhotoImageList& photos) {
    SetTemplate(::Template::FromDefinition(TemplatePart(form)));
    ReadPhotos(form, photos);
    ReadTexts(form);
    if (const std::optional<QString> background = PageTextForm::ReadBackground(form))
        mBackground = *background;
}

void Page::ReadPhotos(const QString& form, const PhotoImageList& photos) {
    int k = 0;
    for (const PageTextForm::ImageEntry& entry : PageTextForm::ReadImages(form)) {
        const PhotoPtr photo = entry.key.isEmpty() ? nullptr : photos.Find(entry.key);
        if (photo) {
            if (k >= mTemplate->PhotoBoxCount())
                throw LumbraError(QStringLiteral("Photo entry %1 has no box").arg(k));
            // A damaged file may name a photo twice: it keeps its first box.
            if (!StandsElsewhere(*photo, k)) {
                PutPhoto(k, photo);
                if (entry.record)
                    photo->Deserialize(entry.key + QLatin1Char(',') + *entry.record);
            }
        }
        ++k;
    }
}

void Page::ReadTexts(const QString& form) {
    int t = 0;
    for (const QString& encoded : PageTextForm::ReadTexts(form)) {
        if (t >= int(mTexts.size()))
            throw LumbraError(QStringLiteral("Text entry %1 has no box").arg(t));
        mTexts[size_t(t)] = Codec::DecodeString(encoded);
        ++t;
    }
}
