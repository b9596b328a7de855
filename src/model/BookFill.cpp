#include "model/BookFill.h"

#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/ModelLog.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/Templates.h"

#include <limits>

namespace {

std::vector<QSizeF> BoxSizes(const Template& layout) {
    std::vector<QSizeF> sizes;
    for (int i = 0; i < layout.PhotoBoxCount(); ++i)
        sizes.emplace_back(layout.PhotoBox(i)->width(), layout.PhotoBox(i)->height());
    return sizes;
}

FillPage FillPageOf(const Page& page) {
    FillPage state;
    state.empty = page.IsEmptyPage();
    if (state.empty || !page.Template())
        return state;
    state.boxes = BoxSizes(*page.Template());
    for (int i = 0; i < int(state.boxes.size()); ++i)
        if (!page.Photo(i))
            state.freeBoxes.push_back(i);
    return state;
}

// Photos without any time go last, in the order given.
constexpr int64_t kNoTime = std::numeric_limits<int64_t>::max();

} // namespace

std::optional<FillPhoto> FillPhotoOf(const PhotoImage& photo) {
    const std::optional<PoolRecord>& record = photo.Record();
    if (!record) {
        qCWarning(lcModel) << "A photo without its record is left out of the fill:"
                           << photo.GetName();
        return std::nullopt;
    }
    return FillPhoto{record->size, record->taken.value_or(kNoTime)};
}

std::vector<std::shared_ptr<Template>> FillTemplates(const Templates& catalogue) {
    std::vector<std::shared_ptr<Template>> templates;
    for (int group = 1; group <= Templates::kHighestGroup; ++group)
        for (const auto& layout : catalogue.GroupTemplates(group))
            templates.push_back(layout);
    return templates;
}

std::vector<std::shared_ptr<PhotoImage>> UnplacedPhotos(const Book& book) {
    std::vector<std::shared_ptr<PhotoImage>> photos;
    for (const auto& photo : book.Photos())
        if (photo && !photo->GetPage() && !photo->FileMissing())
            photos.push_back(photo);
    return photos;
}

FillResult FillBook(Book& book, const std::vector<std::shared_ptr<PhotoImage>>& photos,
                    const Templates& catalogue) {
    FillInput input;
    input.rules.minimum = {catalogue.GetMinXRatio(), catalogue.GetMinYRatio()};
    input.rules.maxPages = Book::GetMaxPages();
    std::vector<std::shared_ptr<PhotoImage>> used;
    FillResult result;
    for (const auto& photo : photos) {
        if (!photo || photo->GetPage())
            continue;
        if (const std::optional<FillPhoto> fill = FillPhotoOf(*photo)) {
            input.photos.push_back(*fill);
            used.push_back(photo);
        } else {
            ++result.leftOver;
        }
    }
    for (int i = 0; i < book.PagesCount(); ++i)
        input.pages.push_back(FillPageOf(*book.GetPage(i)));
    const std::vector<std::shared_ptr<Template>> templates = FillTemplates(catalogue);
    for (const auto& layout : templates)
        input.templates.push_back({BoxSizes(*layout)});

    const FillPlan plan = PlanFill(input);
    result.leftOver += int(plan.leftOver.size());
    for (const FillPagePlan& planned : plan.pages) {
        FilledPage filled{planned.page, 0, false, planned.templateIndex >= 0};
        while (book.PagesCount() <= planned.page && book.AllowNewPage()) {
            book.AddNewPage();
            filled.added = true;
        }
        if (planned.page >= book.PagesCount())
            break;
        const Book::PagePtr page = book.GetPage(planned.page);
        if (filled.newTemplate)
            page->SetTemplate(templates[size_t(planned.templateIndex)]);
        for (const FillPlacement& placement : planned.placements) {
            const auto& photo = used[size_t(placement.photo)];
            // A template change may have brought back a photo the page once held.
            if (photo->GetPage() || page->Photo(placement.box)) {
                ++result.leftOver;
                continue;
            }
            page->AddPhotoToBox(photo, placement.box);
            ++filled.photos;
        }
        result.placed += filled.photos;
        result.pages.push_back(filled);
    }
    return result;
}
