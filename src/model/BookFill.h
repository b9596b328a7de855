#pragma once

#include "model/FillPlan.h"

#include <QDateTime>
#include <memory>
#include <optional>
#include <vector>

class Book;
class PhotoImage;
class Template;
class Templates;

// Fill Book: lays photos of the pool that stand on no page onto the book's
// empty boxes and empty pages (FillPlan.h), adding pages up to the most a
// book may have. Photos and texts already on pages stay where they are. The
// caller names the step and saves the book once, so the fill is one undo step.

// What one photo tells the fill; its time is its file's EXIF time, else the
// file's modification time. None for a photo whose size cannot be read.
std::optional<FillPhoto> FillPhotoOf(const PhotoImage& photo);

// The templates with photo boxes, in catalogue order (group 1 first).
std::vector<std::shared_ptr<Template>> FillTemplates(const Templates& catalogue);

struct FilledPage {
    int page = 0;   // 0-based
    int photos = 0; // photos put on it
    bool added = false;
    bool newTemplate = false;
};

struct FillResult {
    std::vector<FilledPage> pages;
    int placed = 0;
    int leftOver = 0; // photos that found no room (or whose size could not be read)
};

// UI thread. Fills the book with `photos` (those already on a page are left
// out). Makes no save.
FillResult FillBook(Book& book, const std::vector<std::shared_ptr<PhotoImage>>& photos,
                    const Templates& catalogue);

// All photos of the book's pool that stand on no page, in pool order.
std::vector<std::shared_ptr<PhotoImage>> UnplacedPhotos(const Book& book);
