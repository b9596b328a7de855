#include "shell/CommandLineImport.h"

#include "images/PhotoImage.h"
#include "images/PhotoImageList.h"
#include "model/Book.h"
#include "shell/AppServices.h"
#include "shell/CMD5.h"
#include "shell/Constants.h"

ImportResult ImportPhotoFile(Book& book, const QString& path) {
    const CMD5 fallback;
    const CMD5& md5 = Services().md5 ? *Services().md5 : fallback;
    if (book.Photos().Find(md5.MD5(path)))
        return {ImportOutcome::AlreadyExists, nullptr};
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(path, book.GetBookFolder());
    if (!photo->IsSupportFormat())
        return {ImportOutcome::Unsupported, nullptr};
    book.Photos().Add(photo);
    return {ImportOutcome::Added, photo};
}

QString ImportStatusLine(ImportOutcome outcome, const QString& path, const Constants& strings) {
    const char16_t* key = outcome == ImportOutcome::Added ? u"cImportStatusAdded"
        : outcome == ImportOutcome::AlreadyExists         ? u"cImportStatusAlreadyExist"
                                                          : u"cImportStatusUnsupportFormat";
    return strings.Text(key) + QStringLiteral(" :") + path;
}
