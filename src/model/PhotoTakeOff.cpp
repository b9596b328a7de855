#include "model/PhotoTakeOff.h"

#include "model/Book.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

std::shared_ptr<PhotoImage> PlacedPhoto(const Book& book, const QString& key) {
    std::shared_ptr<PhotoImage> photo = book.Photos().Find(key);
    return photo && photo->GetPage() ? photo : nullptr;
}
