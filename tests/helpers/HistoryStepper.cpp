// Undoes, redoes and deletes photos in a book over and over until it is
// killed: the child process of the test that kills a book in the middle of
// a step. Usage: lumbra_history_stepper BOOKS_FOLDER NAME
//
// The book holds a photo on page 1 and one not placed. Three steps are made:
// page 1 leaves, its photo is deleted, then the other photo is deleted as
// the photos pane deletes one. Then, in a loop: undo the delete, delete the
// photo afresh, undo that, undo the other two steps, redo all three.
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include "ChildMain.h"

namespace {

std::shared_ptr<PhotoImage> FirstUnplacedPhoto(Book& book) {
    for (const auto& photo : book.Photos())
        if (!photo->GetPage())
            return photo;
    return nullptr;
}

// As the photos pane's cross does it.
bool DeletePhoto(BookSession& session, Book& book) {
    const std::shared_ptr<PhotoImage> photo = FirstUnplacedPhoto(book);
    if (!photo)
        return false;
    session.DeletePhoto(photo);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    return RunChild(argc, argv, 3, [](const QStringList& arguments) {
        BookManager manager(arguments[1], TestCatalogue(), nullptr);
        if (!manager.LoadBook(arguments[2]))
            return 3;
        BookSession& history = manager.Session();
        const std::shared_ptr<Book> book = manager.GetBook();

        const std::shared_ptr<PhotoImage> placed = book->GetPage(0)->Photo(0);
        if (!placed)
            return 4;
        history.DeletePage(0);
        history.DeletePhoto(placed);
        if (!DeletePhoto(history, *book))
            return 5;
        SayStarted("stepping");
        QUndoStack& stack = history.Stack();
        for (;;) {
            stack.undo(); // the other photo comes back
            if (!DeletePhoto(history, *book))
                return 6;
            stack.undo();
            stack.undo(); // the placed photo comes back into the pool
            stack.undo(); // and page 1 with it
            stack.redo();
            stack.redo();
            stack.redo();
        }
    });
}
