// Saves a book over and over, alternating between the two SaveStates, until
// it is killed: the child process of the tests that kill a save half-way.
// Usage: lumbra_book_saver BOOKS_FOLDER NAME
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/SaveStates.h"

#include "ChildMain.h"

int main(int argc, char** argv) {
    return RunChild(argc, argv, 3, [](const QStringList& arguments) {
        Book a(arguments[1], ModelContext{&TestCatalogue()});
        Book b(arguments[1], ModelContext{&TestCatalogue()});
        a.SetName(arguments[2]);
        b.SetName(arguments[2]);
        SaveStates::Fill(a, 'A');
        SaveStates::Fill(b, 'B');
        SayStarted("saving");
        for (;;) {
            a.SaveBook();
            b.SaveBook();
        }
        return 0;
    });
}
