#include "render/PageScene.h"

#include "base/LumbraError.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Template.h"
#include "render/RenderLog.h"

namespace {

// The folder part of the photo's full-size file: folder & name & "_or.jpg".
QString PhotoFolder(const PhotoImage& photo) {
    const QString file = photo.GetThumbFile(ThumbType::Original);
    return file.left(file.size() - photo.GetName().size() - int(qstrlen("_or.jpg")));
}

PhotoPlacement PlacementOf(const PhotoImage& photo) {
    PhotoPlacement placement;
    placement.folder = PhotoFolder(photo);
    placement.name = photo.GetName();
    placement.key = photo.GetKey();
    placement.x = photo.X();
    placement.y = photo.Y();
    placement.ratio = photo.ratio();
    placement.angle = photo.Angle();
    placement.minRatios = photo.MinimumRatios();
    return placement;
}

std::shared_ptr<PhotoImage> PlacedPhoto(const PhotoPlacement& placement,
                                        std::shared_ptr<const TemplateBox> box) {
    auto photo = std::make_shared<PhotoImage>();
    photo->CopyName(placement.name);
    photo->SetKey(placement.folder, placement.key);
    try {
        // Angle and zoom before the offsets, which are clamped to their bounds.
        photo->SetPhotoBox(std::move(box), placement.minRatios);
        photo->SetAngle(placement.angle);
        photo->SetRatio(placement.ratio);
        photo->SetImageLocation(placement.x, placement.y);
    } catch (const LumbraError&) {
        // unreadable files: drawing the photo reports it
        LogCaughtException(lcRender(), "Placing a photo of a page snapshot");
    }
    return photo;
}

std::vector<TemplateBox> Boxes(const Template& layout, bool photoBoxes) {
    const int count = photoBoxes ? layout.PhotoBoxCount() : layout.TextBoxCount();
    std::vector<TemplateBox> boxes;
    boxes.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        boxes.push_back(*(photoBoxes ? layout.PhotoBox(i) : layout.TextBox(i)));
    return boxes;
}

// Texts of the text boxes (a page keeps one entry even without text boxes).
std::vector<QString> Texts(const Page& aPage, size_t count) {
    std::vector<QString> texts;
    for (size_t i = 0; i < count; ++i)
        texts.push_back(aPage.text(int(i)));
    return texts;
}

} // namespace

PageSnapshot SnapshotPage(const Page& aPage) {
    PageSnapshot snapshot;
    snapshot.background = aPage.GetBg();
    const auto& layout = aPage.Template();
    if (!layout)
        return snapshot;
    snapshot.photoBoxes = Boxes(*layout, true);
    snapshot.textBoxes = Boxes(*layout, false);
    for (size_t i = 0; i < snapshot.photoBoxes.size(); ++i) {
        const auto photo = aPage.Photo(int(i));
        snapshot.photos.push_back(photo ? std::optional(PlacementOf(*photo)) : std::nullopt);
    }
    snapshot.texts = Texts(aPage, snapshot.textBoxes.size());
    return snapshot;
}

PageScene DetachedScene(const PageSnapshot& snapshot) {
    PageScene scene;
    scene.background = snapshot.background;
    for (const TemplateBox& box : snapshot.photoBoxes)
        scene.photoBoxes.push_back(std::make_shared<const TemplateBox>(box));
    for (const TemplateBox& box : snapshot.textBoxes)
        scene.textBoxes.push_back(std::make_shared<const TemplateBox>(box));
    for (size_t i = 0; i < snapshot.photos.size() && i < scene.photoBoxes.size(); ++i) {
        const auto& placement = snapshot.photos[i];
        scene.photos.push_back(placement ? PlacedPhoto(*placement, scene.photoBoxes[i]) : nullptr);
    }
    scene.photos.resize(scene.photoBoxes.size());
    scene.texts = snapshot.texts;
    return scene;
}
