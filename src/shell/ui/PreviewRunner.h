#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <functional>

// Runs a book preview on the thread pool and reports on the UI thread.
class PreviewRunner : public QObject {
    Q_OBJECT
public:
    // Reports each finished page (0-based) and the last index, from any thread.
    using Progress = std::function<void(int index, int last)>;
    // The work: writes the pages and returns the folder that holds them.
    // It must touch no object of the UI thread.
    using Job = std::function<QString(const Progress& progress)>;

    explicit PreviewRunner(QObject* parent = nullptr);
    ~PreviewRunner() override; // waits for a running preview

    // From Start until Finished has been emitted.
    bool IsRunning() const { return mRunning; }
    // Starts the job unless one is running; false then.
    bool Start(Job job);

signals:
    void PageDone(int index, int last);
    // The folder the job returned; empty when it failed.
    void Finished(const QString& folder);

private:
    QFutureWatcher<QString> mWatcher;
    bool mRunning = false;
};
