#pragma once

#include "model/ModelContext.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class PaintSurface;
class PhotoImage;
class PhotoImageList;
class Template;
class TemplateBox;

// One page of a book: a template, the photo in each of its photo boxes, the
// rich text in each text box and a background name. A photo stands in at
// most one box; one that leaves the page is reset and stands on no page
// (the session tells the panes). Photos are compared by key. A page calls
// nothing above it: it raises `changed` for the views.
//
// Pages are shared objects: make them with std::make_shared, since placing a
// photo gives the photo a weak reference to its page.
class Page : public QObject, public std::enable_shared_from_this<Page> {
    Q_OBJECT
public:
    using PhotoPtr = std::shared_ptr<PhotoImage>;
    using TemplatePtr = std::shared_ptr<::Template>;
    using BoxPtr = std::shared_ptr<const TemplateBox>;

    explicit Page(const ModelContext& context = {});
    ~Page() override;

    // Gives the page a new layout; photos and texts of boxes the new template
    // lacks move to free boxes of lower index or leave the page (photos to
    // no page). The page keeps what left in memory, and a later
    // template's empty boxes take it back.
    void SetTemplate(const TemplatePtr& aTemplate);
    const TemplatePtr& Template() const { return mTemplate; }

    // Entry `index` of the photos; throws LumbraError outside the entries.
    PhotoPtr Photo(int index) const;
    int PhotoEntryCount() const { return int(mPhotos.size()); }
    // Places the photo in the photo box under (x, y) mm.
    void AddPhoto(const PhotoPtr& photo, float x, float y);
    // The same for photo box `box`; nothing for a box the template lacks.
    void AddPhotoToBox(const PhotoPtr& photo, int box);
    // In the first entry holding photo's key puts newPhoto (or none); false
    // when no entry holds it.
    bool Replace(const PhotoPtr& photo, const PhotoPtr& newPhoto);
    // Empties every entry holding photo's key, one OnPageChange for each.
    void RemovePhoto(const PhotoPtr& photo);
    // Empties the photo's entry; the photo stands on no page after. False
    // when it stands in none of the boxes.
    bool TakeOff(const PhotoPtr& photo);

    int FindPhotoBoxIndex(float x, float y) const;
    int FindTextBoxIndex(float x, float y) const;

    bool IsPageFull() const;
    bool IsEmptyPage() const;
    bool HasImageTooSmall() const;

    // Entry `index` of the texts; both throw LumbraError outside the entries.
    QString text(int index) const;
    void SetText(int index, const QString& aText);
    int TextEntryCount() const { return int(mTexts.size()); }
    void TextChanged();

    void ChangeBackground(const QString& name);
    void SetBackground(const QString& name);
    const QString& Background() const { return mBackground; }

    void SetPageId(int id) { mPageId = id; }
    int GetPageId() const { return mPageId; }

    // The last thumbnail rendering of the page, kept for the album overview.
    const std::shared_ptr<PaintSurface>& Thumbnail() const { return mThumb; }
    void SetThumbnail(std::shared_ptr<PaintSurface> thumb) { mThumb = std::move(thumb); }

    // Takes every photo off and drops the template; no event.
    void Delete();
    // Each photo takes its box again, its record having come; raises changed.
    void Remeasure();

    QString Serialize() const;
    // Rebuilds the page from its text form, taking photos from the pool.
    // Throws LumbraError at an entry that does not fit the template or a
    // malformed photo record; what was read before it stays.
    void Deserialize(const QString& form, const PhotoImageList& photos);

signals:
    void changed();
    void templateChanged();

private:
    void RaisePageChange();
    // A photo leaving the page: reset, on no page.
    static void SendOff(const PhotoPtr& photo);
    int FirstEntryWithKey(const QString& key) const;
    void PutPhoto(int index, const PhotoPtr& photo);
    void MoveOutOfMissingPhotoBoxes(const ::Template& next);
    void MoveOutOfMissingTextBoxes(const ::Template& next);
    void ResizeEntries(const ::Template& next);
    void BringBackSetAside(const ::Template& next);
    bool StandsElsewhere(const PhotoImage& photo, int k) const;
    void ReadPhotos(const QString& form, const PhotoImageList& photos);
    void ReadTexts(const QString& form);

    ModelContext mContext;
    TemplatePtr mTemplate;
    std::vector<PhotoPtr> mPhotos;
    std::vector<QString> mTexts;
    // Pushed out by template changes; not stored.
    std::vector<QString> mSetAsideTexts;
    std::vector<std::weak_ptr<PhotoImage>> mSetAsidePhotos;
    QString mBackground;
    int mPageId = 0;
    std::shared_ptr<PaintSurface> mThumb;
};
