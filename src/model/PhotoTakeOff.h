#pragma once

#include <QString>
#include <memory>

class Book;
class PhotoImage;

// Taking a photo off its page (Page::TakeOff, as a step of the session): it
// goes back to the photos pane and stays in the book. UI thread only.

// The book's photo with this key when it stands in a box of a page; else null.
std::shared_ptr<PhotoImage> PlacedPhoto(const Book& book, const QString& key);
