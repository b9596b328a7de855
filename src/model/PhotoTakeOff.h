#pragma once

#include <QString>
#include <memory>

class Book;
class PhotoImage;

// Taking a photo off its page: it goes back to the photos pane and stays in
// the book. UI thread only.

// The book's photo with this key when it stands in a box of a page; else null.
std::shared_ptr<PhotoImage> PlacedPhoto(const Book& book, const QString& key);

// Empties the photo's box, hands the photo to the photos pane and saves the
// book. False, with nothing saved, when the photo stands on no page. Throws
// LumbraError when the save fails; the photo stays off the page then.
bool TakePhotoOffPage(Book& book, const std::shared_ptr<PhotoImage>& photo);
