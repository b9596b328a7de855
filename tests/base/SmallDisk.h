#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few megabytes mounted for a test's life, to make a disk run
// full for real. Mounting needs root; IsMounted() says whether it worked and
// Why() why not (tests then skip with that reason).
class SmallDisk {
public:
    explicit SmallDisk(int megabytes = 3);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool IsMounted() const { return mMounted; }
    const QString& Why() const { return mWhy; }
    // The mount point, ending in "/".
    QString Path() const { return mDir.path() + QLatin1Char('/'); }
    QString FilePath(const QString& name) const { return mDir.filePath(name); }

    qint64 FreeBytes() const;
    // Fills the disk with a filler file until about `bytes` stay free.
    void LeaveFree(qint64 bytes);
    // Removes the filler.
    void FreeAll();

private:
    QTemporaryDir mDir;
    bool mMounted = false;
    QString mWhy;
};

#define SKIP_WITHOUT(disk)                                                                         \
    if (!(disk).IsMounted())                                                                       \
    GTEST_SKIP() << (disk).Why().toStdString()
