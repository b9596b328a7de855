// Undoes, redoes and deletes photos in a book over and over until it is
// killed: the child process of the test that kills a book in the middle of
// a step. Usage: lumbra_history_stepper BOOKS_FOLDER NAME
//
// The book holds a photo on page 1 and one not placed. Two steps are made:
// page 1 leaves with its photo, then the other photo is deleted as the
// photos pane deletes one. Then, in a loop: undo the delete, delete the
// photo afresh, undo that, undo the page's leaving, redo both.
#include "model/Book.h"
#include "model/BookHistory.h"
#include "model/BookManager.h"
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
bool DeletePhoto(Book& book, PageDisplayHost& host) {
    const std::shared_ptr<PhotoImage> photo = FirstUnplacedPhoto(book);
    if (!photo)
        return false;
    book.RemovePhoto(photo);
    host.RemoveDisplayPhoto(photo);
    book.NameNextStep(QStringLiteral("Delete Photo"));
    book.SaveBook();
    photo->Delete();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    return RunChild(argc, argv, 3, [](const QStringList& arguments) {
        RecordingHost host;
        BookManager manager(arguments[1], TestCatalogue(), nullptr, &host);
        if (!manager.LoadBook(arguments[2]))
            return 3;
        BookHistory history(manager);
        const std::shared_ptr<Book> book = manager.GetBook();

        const std::shared_ptr<PhotoImage> placed = book->GetPage(0)->Photo(0);
        if (!placed)
            return 4;
        book->RemovePage(0);
        book->RemovePhoto(placed);
        book->NameNextStep(QStringLiteral("Delete Page"));
        book->SaveBook();
        placed->Delete();
        if (!DeletePhoto(*book, host))
            return 5;
        SayStarted("stepping");
        for (;;) {
            history.Stack().undo();
            if (!DeletePhoto(*book, host))
                return 6;
            history.Stack().undo();
            history.Stack().undo();
            history.Stack().redo();
            history.Stack().redo();
        }
    });
}
