// Saves a book over and over, alternating between the two SaveStates, until
// it is killed: the child process of the tests that kill a save half-way.
// Usage: lumbra_book_saver BOOKS_FOLDER NAME
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/SaveStates.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return 2;
    Book a(arguments[1], ModelContext{&TestCatalogue(), nullptr, nullptr});
    Book b(arguments[1], ModelContext{&TestCatalogue(), nullptr, nullptr});
    a.SetName(arguments[2]);
    b.SetName(arguments[2]);
    SaveStates::Fill(a, 'A');
    SaveStates::Fill(b, 'B');
    std::puts("saving");
    std::fflush(stdout);
    for (;;) {
        a.SaveBook();
        b.SaveBook();
    }
}
