#include "render/PageScene.h"

#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Template.h"

namespace {

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
    snapshot.background = aPage.Background();
    const auto& layout = aPage.Template();
    if (!layout)
        return snapshot;
    snapshot.photoBoxes = Boxes(*layout, true);
    snapshot.textBoxes = Boxes(*layout, false);
    for (size_t i = 0; i < snapshot.photoBoxes.size(); ++i) {
        const auto photo = aPage.Photo(int(i));
        snapshot.photos.push_back(photo ? std::optional(photo->Placement()) : std::nullopt);
    }
    snapshot.texts = Texts(aPage, snapshot.textBoxes.size());
    return snapshot;
}
