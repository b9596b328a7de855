#include "model/FillPlan.h"

#include "model/PhotoImageWindow.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// What a page layout costs; the cheapest template wins.
constexpr double kMismatchCost = 100; // a portrait photo in a landscape box or the other way
constexpr double kTooSmallCost = 300; // a photo that would be marked too small
constexpr double kCropCost = 20;      // per unit of |ln(photo aspect / box aspect)|
constexpr double kCountCost = 70;     // per photo more or fewer than the page should take
constexpr double kRepeatCost = 60;    // the template of the page before
constexpr double kRecentCost = 25;    // the template of one of the pages before that
constexpr int kRecentPages = 4;
// Photos a page takes when the book's empty pages cannot take them with fewer.
constexpr int kFullPage = 4;
// Within this aspect of 1 a photo or box counts as square and matches any.
constexpr double kSquareSlack = 1.05;

enum class Shape { Portrait, Square, Landscape };

Shape ShapeOf(double aspect) {
    if (aspect > kSquareSlack)
        return Shape::Landscape;
    if (aspect < 1 / kSquareSlack)
        return Shape::Portrait;
    return Shape::Square;
}

double Aspect(QSize size) { return size.height() > 0 ? double(size.width()) / size.height() : 1; }
double Aspect(QSizeF size) { return size.height() > 0 ? size.width() / size.height() : 1; }

bool TooSmall(QSize photo, QSizeF box, const MinRatios& minimum) {
    if (!(box.width() > 0 && box.height() > 0))
        return false;
    const PhotoWindow window =
        VisibleWindow(photo.width(), photo.height(), box.width(), box.height(), 1.0);
    return window.width / box.width() < minimum.x || window.height / box.height() < minimum.y;
}

template <typename Sizes> std::vector<int> ByAspect(const Sizes& sizes) {
    std::vector<int> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&sizes](int a, int b) {
        return Aspect(sizes[size_t(a)]) < Aspect(sizes[size_t(b)]);
    });
    return order;
}

// Walks the photos in time order, a day's gap closing a run of photos.
class PhotoRuns {
public:
    PhotoRuns(const std::vector<FillPhoto>& photos, int64_t dayGap)
        : mPhotos(photos), mOrder(TimeOrder(photos)), mDayGap(dayGap) {}

    bool Done() const { return mNext >= mOrder.size(); }
    int Left() const { return int(mOrder.size() - mNext); }
    // Photos left in the current run.
    int RunLeft() const {
        size_t end = mNext;
        while (end < mOrder.size() && (end == mNext || !GapBefore(end)))
            ++end;
        return int(end - mNext);
    }
    std::vector<int> Peek(int count) const {
        return {mOrder.begin() + std::ptrdiff_t(mNext),
                mOrder.begin() + std::ptrdiff_t(mNext) + count};
    }
    void Take(int count) { mNext += size_t(count); }
    std::vector<int> Rest() const { return Peek(Left()); }

private:
    bool GapBefore(size_t at) const {
        return mPhotos[size_t(mOrder[at])].taken - mPhotos[size_t(mOrder[at - 1])].taken >= mDayGap;
    }

    const std::vector<FillPhoto>& mPhotos;
    std::vector<int> mOrder;
    int64_t mDayGap;
    size_t mNext = 0;
};

std::vector<QSize> SizesOf(const std::vector<FillPhoto>& photos, const std::vector<int>& which) {
    std::vector<QSize> sizes;
    for (int photo : which)
        sizes.push_back(photos[size_t(photo)].size);
    return sizes;
}

std::vector<FillPlacement> Placements(const std::vector<int>& photos,
                                      const std::vector<int>& boxOfPhoto,
                                      const std::vector<int>& boxNumbers) {
    std::vector<FillPlacement> placements;
    for (size_t i = 0; i < photos.size(); ++i)
        placements.push_back({boxNumbers[size_t(boxOfPhoto[i])], photos[i]});
    std::sort(placements.begin(), placements.end(),
              [](const FillPlacement& a, const FillPlacement& b) { return a.box < b.box; });
    return placements;
}

class Planner {
public:
    explicit Planner(const FillInput& input)
        : mInput(input), mRuns(input.photos, input.rules.dayGap) {
        for (const FillTemplate& candidate : input.templates)
            mMostBoxes = std::max(mMostBoxes, int(candidate.boxes.size()));
        mEmptyFrom.assign(input.pages.size() + 1, 0);
        for (size_t i = input.pages.size(); i-- > 0;)
            mEmptyFrom[i] = mEmptyFrom[i + 1] + (input.pages[i].empty ? 1 : 0);
    }

    FillPlan Run() {
        const int pageCount = int(mInput.pages.size());
        const int lastPage = std::max(pageCount, mInput.rules.maxPages);
        for (int page = 0; page < lastPage && !mRuns.Done(); ++page) {
            if (page < pageCount && !mInput.pages[size_t(page)].empty)
                FillFreeBoxes(page);
            else
                LayOut(page);
        }
        mPlan.leftOver = mRuns.Rest();
        return std::move(mPlan);
    }

private:
    // A page with content: its empty boxes, in index order, take the next
    // photos of the run.
    void FillFreeBoxes(int page) {
        const FillPage& existing = mInput.pages[size_t(page)];
        const int count = std::min(int(existing.freeBoxes.size()), mRuns.RunLeft());
        if (count == 0)
            return;
        const std::vector<int> photos = mRuns.Peek(count);
        const std::vector<int> boxNumbers(existing.freeBoxes.begin(),
                                          existing.freeBoxes.begin() + count);
        std::vector<QSizeF> boxes;
        for (int box : boxNumbers)
            boxes.push_back(box < int(existing.boxes.size()) ? existing.boxes[size_t(box)]
                                                             : QSizeF());
        mPlan.pages.push_back(
            {page, -1,
             Placements(photos, PairByShape(SizesOf(mInput.photos, photos), boxes), boxNumbers)});
        mRuns.Take(count);
    }

    // How many photos the page at `page` should take: spread over the empty
    // pages the book has, and only when they would hold more than a full
    // page each, over the pages that can be added too. A run that (nearly)
    // fits ends on this page.
    int WantedCount(int page) const {
        const int pageCount = int(mInput.pages.size());
        const int emptyLeft = page < pageCount ? mEmptyFrom[size_t(page)] : 0;
        const int added = std::max(0, mInput.rules.maxPages - std::max(page, pageCount));
        const auto perPage = [this](int pages) { return (mRuns.Left() + pages - 1) / pages; };
        int target = emptyLeft > 0 ? perPage(emptyLeft) : kFullPage + 1;
        if (target > kFullPage)
            target = std::max(kFullPage, perPage(std::max(1, emptyLeft + added)));
        target = std::clamp(target, 1, mMostBoxes);
        const int runLeft = mRuns.RunLeft();
        return runLeft <= target + 1 ? std::min(runLeft, mMostBoxes) : target;
    }

    double VarietyCost(int candidate) const {
        for (size_t back = 0; back < mRecent.size(); ++back)
            if (mRecent[mRecent.size() - 1 - back] == candidate)
                return back == 0 ? kRepeatCost : kRecentCost;
        return 0;
    }

    // An empty or new page: the cheapest template for the next photos of the run.
    void LayOut(int page) {
        const int wanted = WantedCount(page);
        const int runLeft = mRuns.RunLeft();
        int best = -1;
        double bestCost = 0;
        for (int t = 0; t < int(mInput.templates.size()); ++t) {
            const std::vector<QSizeF>& boxes = mInput.templates[size_t(t)].boxes;
            const int count = int(boxes.size());
            if (count < 1 || count > runLeft)
                continue;
            const double cost =
                FitCost(SizesOf(mInput.photos, mRuns.Peek(count)), boxes, mInput.rules.minimum) +
                kCountCost * std::abs(count - wanted) + VarietyCost(t);
            if (best < 0 || cost < bestCost) {
                best = t;
                bestCost = cost;
            }
        }
        if (best < 0) { // no template with so few boxes: the page stays as it is
            mRuns.Take(runLeft);
            return;
        }
        const std::vector<QSizeF>& boxes = mInput.templates[size_t(best)].boxes;
        const std::vector<int> photos = mRuns.Peek(int(boxes.size()));
        std::vector<int> boxNumbers(boxes.size());
        std::iota(boxNumbers.begin(), boxNumbers.end(), 0);
        mPlan.pages.push_back(
            {page, best,
             Placements(photos, PairByShape(SizesOf(mInput.photos, photos), boxes), boxNumbers)});
        mRuns.Take(int(boxes.size()));
        mRecent.push_back(best);
        if (int(mRecent.size()) > kRecentPages)
            mRecent.erase(mRecent.begin());
    }

    const FillInput& mInput;
    PhotoRuns mRuns;
    FillPlan mPlan;
    int mMostBoxes = 1;
    std::vector<int> mEmptyFrom; // empty pages from each index on
    std::vector<int> mRecent;    // templates of the last pages laid out
};

} // namespace

std::vector<int> TimeOrder(const std::vector<FillPhoto>& photos) {
    std::vector<int> order(photos.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&photos](int a, int b) {
        return photos[size_t(a)].taken < photos[size_t(b)].taken;
    });
    return order;
}

std::vector<int> PairByShape(const std::vector<QSize>& photos, const std::vector<QSizeF>& boxes) {
    const std::vector<int> photoOrder = ByAspect(photos);
    const std::vector<int> boxOrder = ByAspect(boxes);
    std::vector<int> boxOf(photos.size(), 0);
    for (size_t i = 0; i < photoOrder.size() && i < boxOrder.size(); ++i)
        boxOf[size_t(photoOrder[i])] = boxOrder[i];
    return boxOf;
}

double FitCost(const std::vector<QSize>& photos, const std::vector<QSizeF>& boxes,
               const MinRatios& minimum) {
    const std::vector<int> boxOf = PairByShape(photos, boxes);
    double cost = 0;
    for (size_t i = 0; i < photos.size(); ++i) {
        const QSize photo = photos[i];
        const QSizeF box = boxes[size_t(boxOf[i])];
        const Shape photoShape = ShapeOf(Aspect(photo));
        const Shape boxShape = ShapeOf(Aspect(box));
        if (photoShape != boxShape && photoShape != Shape::Square && boxShape != Shape::Square)
            cost += kMismatchCost;
        if (TooSmall(photo, box, minimum))
            cost += kTooSmallCost;
        cost += kCropCost * std::abs(std::log(Aspect(photo) / Aspect(box)));
    }
    return cost;
}

FillPlan PlanFill(const FillInput& input) { return Planner(input).Run(); }
