#pragma once

#include "BenchJpegs.h"

#include "model/Book.h"
#include "model/BookManager.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>
#include <memory>
#include <vector>

// The book, saved in its folder: 100 pages of four-photo layouts, each page
// with its own four photos (1600 x 1200) and a text.
struct AlbumBenchBook {
    static constexpr int kPhotosPerPage = 4;

    QTemporaryDir root;
    QString books = root.filePath(QStringLiteral("books"));
    Templates catalogue;

    AlbumBenchBook() {
        QDir().mkpath(books);
        BookManager maker(books, catalogue);
        maker.Initialize();
        Book& book = *maker.GetBook();
        while (book.PagesCount() < book.GetMaxPages())
            book.AddNewPage();
        const auto photos = ImportPhotos(book, book.PagesCount() * kPhotosPerPage);
        const auto layouts = catalogue.GroupTemplates(kPhotosPerPage);
        for (int i = 0; i < book.PagesCount(); ++i)
            FillPage(*book.GetPage(i), layouts[size_t(i) % layouts.size()], photos, i);
        book.SaveBook();
    }

    // Four pictures, each copied under many names: every path is a photo of its own.
    std::vector<std::shared_ptr<PhotoImage>> ImportPhotos(Book& book, int count) const {
        const QString sources = root.filePath(QStringLiteral("sources"));
        QDir().mkpath(sources);
        QStringList pictures;
        for (int v = 0; v < 4; ++v)
            pictures << WriteBenchJpeg(QDir(sources).filePath(QStringLiteral("v%1.jpg").arg(v)),
                                       1600, 1200, v);
        std::vector<std::shared_ptr<PhotoImage>> photos;
        std::vector<PhotoImportJob> jobs;
        for (int i = 0; i < count; ++i) {
            const QString path = QDir(sources).filePath(QStringLiteral("photo%1.jpg").arg(i));
            QFile::copy(pictures[i % 4], path);
            photos.push_back(std::make_shared<PhotoImage>());
            jobs.push_back(photos.back()->BeginImport(path, book.GetBookFolder()));
        }
        using Made = std::optional<PoolRecord>; // none: not made
        const QList<Made> made =
            QtConcurrent::blockingMapped<QList<Made>>(jobs, [](const PhotoImportJob& job) {
                return MakePhotoFiles(job) ? RecordPhoto(job.stem) : std::nullopt;
            });
        for (int i = 0; i < count; ++i) {
            photos[size_t(i)]->EndImport(made[i].has_value(), made[i]);
            book.Photos().Add(photos[size_t(i)]);
        }
        return photos;
    }

    static void FillPage(Page& aPage, const std::shared_ptr<Template>& layout,
                         const std::vector<std::shared_ptr<PhotoImage>>& photos, int i) {
        aPage.SetTemplate(layout);
        for (int b = 0; b < layout->PhotoBoxCount() && b < kPhotosPerPage; ++b) {
            const TemplateBox& box = *layout->PhotoBox(b);
            aPage.AddPhoto(photos[size_t(i * kPhotosPerPage + b)], box.X() + box.width() / 2,
                           box.Y() + box.height() / 2);
        }
        if (aPage.TextEntryCount() > 0)
            aPage.SetText(
                0, QStringLiteral(
                       "{\\rtf1\\ansi {\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 Page %1\\par}")
                       .arg(i + 1));
    }
};

// Made once per run, on first use.
AlbumBenchBook& TheAlbumBook();
