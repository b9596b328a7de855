#include "ImportQueueChild.h"

#include "JpegToolReference.h"

#include "base/Md5.h"
#include "model/Book.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/PhotoImportQueue.h"
#include "model/Templates.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

long PeakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Outcomes in file order with counting status lines, and the pool in the same order.
bool InFileOrder(const QStringList& paths, const std::vector<PhotoImportOutcome>& outcomes,
                 const Book& book) {
    if (int(outcomes.size()) != paths.size())
        return false;
    for (int i = 0; i < paths.size(); ++i) {
        const PhotoImportOutcome& o = outcomes[size_t(i)];
        if (o.path != paths[i] || o.status != PhotoImportOutcome::Status::Added ||
            o.handled != i + 1 || o.total != paths.size())
            return false;
    }
    int i = 0;
    for (const auto& photo : book.Photos()) {
        if (i >= paths.size() || photo->GetKey() != Md5().Hash(paths[i]))
            return false;
        ++i;
    }
    return i == paths.size();
}

} // namespace

int RunImportQueueChild(int threads, const QString& sourceFolder, int count) {
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << sourceFolder + QStringLiteral("/p%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
    QTemporaryDir books;
    Templates catalogue;
    auto book = std::make_shared<Book>(books.path(), ModelContext{&catalogue});
    book->SetName(QStringLiteral("Bench"));
    std::vector<PhotoImportOutcome> outcomes;
    if (threads > 0) // a process of its own: the one import pool takes the measured size
        ImportThreadPool().setMaxThreadCount(threads);
    PhotoImportQueue queue(threads);
    QObject::connect(&queue, &PhotoImportQueue::fileDone,
                     [&](const PhotoImportOutcome& o) { outcomes.push_back(o); });
    QEventLoop loop;
    QObject::connect(&queue, &PhotoImportQueue::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    queue.Add(paths, book);
    if (queue.IsBusy())
        loop.exec();
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("ms=%.1f hwm_kb=%ld order=%d\n", ms, PeakKb(),
                InFileOrder(paths, outcomes, *book) ? 1 : 0);
    return 0;
}
