#include "render/check/BookCheck.h"

#include "model/PrintSizeCheck.h"
#include "render/check/TextFits.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr double kMmPerInch = 25.4;

BookProblem Problem(int page, ProblemKind kind, ProblemBox::Kind boxKind, int box) {
    BookProblem problem;
    problem.page = page;
    problem.kind = kind;
    problem.box = {boxKind, box};
    return problem;
}

// The pixels per inch the print gets along the side that falls short, and
// those it needs there; none when the photo is sharp enough or unmeasured.
std::optional<std::pair<int, int>> ShortPixelsPerInch(const PhotoPlacement& photo,
                                                      const TemplateBox& box, MinRatios minimum) {
    const QSizeF boxMm(box.width(), box.height());
    if (photo.fullSize.isEmpty())
        return std::nullopt;
    const auto check = CheckPrintSize(photo.fullSize, photo.angle, photo.ratio, boxMm, minimum);
    if (!check || !check->tooSmall)
        return std::nullopt;
    const double acrossMm = check->window.width / boxMm.width();
    const bool across = acrossMm < minimum.x;
    const double perMm = across ? acrossMm : check->window.height / boxMm.height();
    const double needed = across ? minimum.x : minimum.y;
    return std::pair{int(std::floor(perMm * kMmPerInch)), int(std::ceil(needed * kMmPerInch))};
}

// The pages seen so far of each likeness.
class SeenPhotos {
public:
    // The first page of a photo of this likeness, -1 when it is new.
    int FirstPage(const PhotoLikeness& likeness, int page) {
        const auto key = std::tuple(likeness.size.width(), likeness.size.height(),
                                    likeness.orientation, likeness.fileBytes);
        const auto [at, added] = mPages.try_emplace(key, page);
        return added || at->second == page ? -1 : at->second;
    }

private:
    std::map<std::tuple<int, int, int, qint64>, int> mPages;
};

std::optional<BookProblem> NearEdge(int page, int index, const TemplateBox& box, const TextFit& fit,
                                    QSizeF pageMm) {
    if (fit.printedMm.isEmpty())
        return std::nullopt;
    const QRectF printed = fit.printedMm.translated(box.X(), box.Y());
    const std::pair<double, PageEdge> edges[] = {
        {printed.left(), PageEdge::Left},
        {printed.top(), PageEdge::Top},
        {pageMm.width() - printed.right(), PageEdge::Right},
        {pageMm.height() - printed.bottom(), PageEdge::Bottom},
    };
    const auto nearest =
        std::min_element(std::begin(edges), std::end(edges),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    if (nearest->first >= kTextEdgeMarginMm)
        return std::nullopt;
    BookProblem problem = Problem(page, ProblemKind::TextNearEdge, ProblemBox::Kind::Text, index);
    problem.edgeMm = std::max(nearest->first, 0.0);
    problem.edge = nearest->second;
    return problem;
}

class PageCheck {
public:
    PageCheck(const BookCheckInput& book, int page, TextFits& texts, SeenPhotos& seen,
              std::vector<BookProblem>& found)
        : mBook(book), mPage(book.pages[size_t(page)]), mIndex(page), mSeen(seen), mFound(found) {
        const PageSnapshot& scene = mPage.scene;
        for (size_t t = 0; t < scene.textBoxes.size() && t < scene.texts.size(); ++t) {
            const TemplateBox& box = scene.textBoxes[t];
            mTexts.push_back(texts.Measure(scene.texts[t], QSizeF(box.width(), box.height())));
        }
    }

    void Run() {
        if (!HasContent()) {
            mFound.push_back(Problem(mIndex, ProblemKind::EmptyPage, ProblemBox::Kind::None, -1));
            return;
        }
        for (size_t b = 0; b < mPage.scene.photoBoxes.size(); ++b)
            CheckPhotoBox(int(b));
        for (size_t t = 0; t < mTexts.size(); ++t)
            CheckTextBox(int(t));
    }

private:
    bool HasContent() const {
        const PageSnapshot& scene = mPage.scene;
        return !scene.background.isEmpty() ||
               std::any_of(scene.photos.begin(), scene.photos.end(),
                           [](const auto& photo) { return photo.has_value(); }) ||
               std::any_of(mTexts.begin(), mTexts.end(),
                           [](const TextFit& fit) { return !fit.blank; });
    }

    void CheckPhotoBox(int b) {
        const PageSnapshot& scene = mPage.scene;
        const auto& photo =
            size_t(b) < scene.photos.size() ? scene.photos[size_t(b)] : std::nullopt;
        if (!photo) {
            mFound.push_back(
                Problem(mIndex, ProblemKind::EmptyPhotoBox, ProblemBox::Kind::Photo, b));
            return;
        }
        if (const auto shortfall =
                ShortPixelsPerInch(*photo, scene.photoBoxes[size_t(b)], mBook.minimum)) {
            BookProblem problem =
                Problem(mIndex, ProblemKind::LowResolution, ProblemBox::Kind::Photo, b);
            problem.pixelsPerInch = shortfall->first;
            problem.neededPerInch = shortfall->second;
            mFound.push_back(problem);
        }
        const auto& likeness =
            size_t(b) < mPage.likeness.size() ? mPage.likeness[size_t(b)] : std::nullopt;
        if (const int first = likeness ? mSeen.FirstPage(*likeness, mIndex) : -1; first >= 0) {
            BookProblem problem =
                Problem(mIndex, ProblemKind::PhotoTwice, ProblemBox::Kind::Photo, b);
            problem.firstPage = first;
            mFound.push_back(problem);
        }
    }

    void CheckTextBox(int t) {
        const TextFit& fit = mTexts[size_t(t)];
        if (fit.linesCut != 0) {
            BookProblem problem =
                Problem(mIndex, ProblemKind::TextOverflow, ProblemBox::Kind::Text, t);
            problem.linesCut = fit.linesCut;
            mFound.push_back(problem);
        }
        if (auto near = NearEdge(mIndex, t, mPage.scene.textBoxes[size_t(t)], fit, mBook.pageMm))
            mFound.push_back(*near);
    }

    const BookCheckInput& mBook;
    const CheckedPage& mPage;
    int mIndex;
    SeenPhotos& mSeen;
    std::vector<BookProblem>& mFound;
    std::vector<TextFit> mTexts;
};

} // namespace

std::vector<BookProblem> CheckBook(const BookCheckInput& book, TextFits& texts) {
    std::vector<BookProblem> found;
    SeenPhotos seen;
    for (size_t page = 0; page < book.pages.size(); ++page)
        PageCheck(book, int(page), texts, seen, found).Run();
    texts.ForgetUnused();
    return found;
}
