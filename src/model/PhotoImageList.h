#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class PhotoImage;

// A book's photo pool, in the order the photos joined it.
class PhotoImageList {
public:
    using PhotoPtr = std::shared_ptr<PhotoImage>;
    using const_iterator = std::vector<PhotoPtr>::const_iterator;

    // Appends the photo (no check for its key). Throws LumbraError, adding
    // nothing, for a null photo or when the pool holds 32767 photos.
    void Add(PhotoPtr photo);
    // First photo from the front with exactly this key; null if none.
    PhotoPtr Find(const QString& key) const;
    // Takes out the first photo with the photo's key, if there is one.
    void Remove(const PhotoImage& photo);
    void Remove(const PhotoPtr& photo) {
        if (photo)
            Remove(*photo);
    }
    // Puts the photos in the order of their names in `names`; photos not
    // named there follow, in their order.
    void OrderByNames(const QStringList& names);
    int16_t GetSize() const { return int16_t(mPhotos.size()); }

    const_iterator begin() const { return mPhotos.begin(); }
    const_iterator end() const { return mPhotos.end(); }

private:
    const_iterator FindKey(const QString& key) const;

    std::vector<PhotoPtr> mPhotos;
};
