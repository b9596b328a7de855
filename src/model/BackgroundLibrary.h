#pragma once

#include "imaging/ThumbType.h"

#include <QString>
#include <QStringList>

// The background pictures on this computer: a folder holding, for each
// background name N, the files N_sm.jpg, N_md.jpg, N_lg.jpg and N_or.jpg,
// filled at start from the backgrounds delivered with the program.
class BackgroundLibrary {
public:
    // Both folders end with "/". deliveredFolder defaults to "backgrounds/"
    // in the program's data folder.
    explicit BackgroundLibrary(QString backgroundsFolder = QString(),
                               QString deliveredFolder = DefaultDeliveredFolder());
    static QString DefaultDeliveredFolder();

    void SetBackgroundsFolder(const QString& folder);
    const QString& BackgroundsFolder() const { return mBackgroundsFolder; }

    // CopyDeliveredBackgrounds, then LoadBackgroundList.
    void InitBackgrounds();
    // Copies every delivered "*.jpg" into the backgrounds folder, replacing
    // what is there. Throws LumbraError when a copy fails.
    void CopyDeliveredBackgrounds();
    // Rebuilds the list: one entry per folder entry whose name holds "_sm.",
    // named by what comes before it; duplicates kept, in name order.
    void LoadBackgroundList();
    // The delivered folder, or the empty text when it holds no file.
    QString GetDeliveredBackgroundsFolder() const;

    bool IsBackgroundListed(const QString& name) const { return mNames.contains(name); }
    int Count() const { return int(mNames.size()); }
    const QString& Name(int index) const { return mNames.at(index); }
    const QStringList& Names() const { return mNames; }
    // A downloaded background joins the list.
    void AddBackground(const QString& name) { mNames.append(name); }

    // The file of a background in the wanted size (see FileIn).
    QString FilePath(const QString& name, ThumbType size) const;
    // The file of background `name` in `folder` in the wanted size; the empty
    // text, with a warning, for a name that is not plain.
    static QString FileIn(const QString& folder, const QString& name, ThumbType size);
    // A background name is a base name: no folder ("/" or "\\"), no drive
    // or stream (":"), no "..", no NUL, not empty. A name from a book that is
    // not plain would reach files outside the library.
    static bool IsPlainName(const QString& name);
    // The file the screen shows for the size a drawing asks for: the
    // original is never drawn on the screen, the large one stands in.
    static ThumbType ScreenThumbType(ThumbType wanted);

private:
    QString mBackgroundsFolder;
    QString mDeliveredFolder;
    QStringList mNames;
};

// Cuts the text before its first NUL character.
QString TrimAtNul(const QString& text);
