#include "ui/panes/PaneTestSupport.h"

#include "base/Md5.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"
#include "ui/common/UiTestSupport.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include <QCoreApplication>
#include <QDir>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

PaneFixture::PaneFixture() {
    for (const char* line :
         {"cUntitledBook=Test Book", "cImportStatusAdded=Added",
          "cImportStatusAlreadyExist=Already there", "cImportStatusUnsupportFormat=Unsupported",
          "cImportStatusCaption=Importing", "cOkayButton=OK"})
        strings.ApplyLanguageLine(QString::fromLatin1(line));
    manager = std::make_unique<BookManager>(books.path(), TestCatalogue(), &strings);
    renderer = TestRenderer();
    top = std::make_unique<SidePane>(
        UiContext{*manager, strings, TestCatalogue(), library, renderer, QImage()});
    top->resize(449, 161); // photos pane 400 x 161
    manager->Initialize();
}

PaneFixture::~PaneFixture() {
    top.reset();
    Settle();
}

QString PaneFixture::MakeJpeg(const QString& name, int width, int height) const {
    const QString path = sources.filePath(name);
    TestJpegs::Write(path, TestJpegs::PhotoLike(width, height));
    return path;
}

QString PaneFixture::MakeNonJpeg(const QString& name) const {
    const QString path = sources.filePath(name);
    TestJpegs::WriteBytes(path, "these are not the pixels you are looking for");
    return path;
}

bool PaneFixture::Import(const QStringList& files, bool showSingleStatusDialog) {
    QSignalSpy finished(&Pane(), &PhotosPane::importFinished);
    Pane().AddFiles(files, showSingleStatusDialog);
    return !finished.isEmpty() || finished.wait(60000);
}

bool PaneFixture::WaitForImport() {
    if (!Pane().IsImporting())
        return true;
    QSignalSpy finished(&Pane(), &PhotosPane::importFinished);
    return finished.wait(60000);
}

QStringList PaneFixture::BookFiles() const {
    return QDir(manager->GetBook()->GetBookFolder()).entryList(QDir::Files, QDir::Name);
}

QStringList PaneFixture::TileKeys() const {
    QStringList keys;
    for (const PhotoTile* tile : Pane().Tiles())
        keys << tile->GetPhoto()->GetKey();
    return keys;
}

QStringList PaneFixture::TileNames() const {
    QStringList names;
    for (const PhotoTile* tile : Pane().Tiles())
        names << tile->TileName();
    return names;
}

QString PaneFixture::KeyOf(const QString& path) { return Md5().Hash(path); }

QMimeData* PaneFixture::FileDrop(const QStringList& files) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& f : files)
        urls << QUrl::fromLocalFile(f);
    data->setUrls(urls);
    return data;
}

void PaneFixture::Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PhotosPane& PaneFixture::Pane() const { return *top->Photos(); }
