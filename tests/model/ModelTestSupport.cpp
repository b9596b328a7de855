#include "model/ModelTestSupport.h"

#include "imaging/Thumb.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/ModelContext.h"
#include "model/PhotoImage.h"
#include "model/Template.h"
#include "model/Templates.h"

#include <QDir>
#include <QFile>

void RecordingHost::Follow(BookSession& session) {
    QObject::connect(&session, &BookSession::photoShown, this,
                     [this](const std::shared_ptr<PhotoImage>& photo, bool inOrder) {
                         added << photo->GetKey();
                         inBookOrder << inOrder;
                     });
    QObject::connect(
        &session, &BookSession::photoHidden, this,
        [this](const std::shared_ptr<PhotoImage>& photo) { removed << photo->GetKey(); });
}

QSize ThumbFileSize(const PhotoImage& photo, ThumbType type) {
    const Thumb thumb(photo.GetThumbFile(type).chopped(int(qstrlen(".jpg"))));
    return {thumb.width(), thumb.height()};
}

QStringList OffPage(const std::vector<std::shared_ptr<PhotoImage>>& photos) {
    QStringList keys;
    for (const auto& photo : photos)
        if (photo && !photo->GetPage())
            keys << photo->GetKey();
    return keys;
}

FolderFiles ReadFolderFiles(const QString& folder) {
    FolderFiles files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

std::string FolderDifferences(const FolderFiles& a, const FolderFiles& b) {
    QStringList names;
    for (const QString& name : a.keys())
        if (!b.contains(name) || b[name] != a[name])
            names << name;
    for (const QString& name : b.keys())
        if (!a.contains(name))
            names << name;
    return names.join(QLatin1Char(' ')).toStdString();
}

QString TestKey(int n) { return QStringLiteral("%1").arg(n, 32, 16, QLatin1Char('0')); }

Templates& TestCatalogue() {
    static Templates catalogue;
    return catalogue;
}

std::shared_ptr<Book> MakeTripBook(const QString& booksFolder) {
    ModelContext context;
    context.templates = &TestCatalogue();
    auto book = std::make_shared<Book>(booksFolder, context);
    book->SetName(QStringLiteral("Trip"));
    return book;
}

std::shared_ptr<Template> TestTemplate(const QString& definition) {
    return Template::FromDefinition(definition);
}

std::shared_ptr<Template> RowTemplate(int photoBoxes, int textBoxes) {
    QString definition;
    for (int i = 0; i < photoBoxes; ++i)
        definition += QStringLiteral("Photo[%1,0,10,10,0]").arg(20 * i);
    for (int i = 0; i < textBoxes; ++i)
        definition += QStringLiteral("Text[%1,100,10,10,0]").arg(20 * i);
    return TestTemplate(definition);
}

QString PhotoFolder::NameOf(int n) { return QStringLiteral("5A0B") + TestKey(n); }

std::shared_ptr<PhotoImage> PhotoFolder::Make(int n, int width, int height) {
    const QString name = NameOf(n);
    Thumb::WriteDimFile(Path() + name + QStringLiteral("_or.dim"), width, height);
    QFile jpg(Path() + name + QStringLiteral("_or.jpg"));
    jpg.open(QIODevice::WriteOnly);
    auto photo = std::make_shared<PhotoImage>();
    photo->CopyName(name);
    photo->SetKey(Path(), TestKey(n));
    const PoolRecord record{QSize(width, height), 1, std::nullopt};
    WritePoolRecord(photo->Stem(), record);
    photo->SetRecord(record);
    mMade.push_back(photo);
    return photo;
}
