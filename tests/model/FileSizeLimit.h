#pragma once

#include <csignal>
#include <sys/resource.h>

// While alive, no file of this process can grow beyond `bytes`: writes past it
// fail as on a full disk, whatever the user's rights.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        mOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &mOld);
        rlimit limit = mOld;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &mOld);
        std::signal(SIGXFSZ, mOldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit mOld{};
    void (*mOldHandler)(int) = nullptr;
};
