#pragma once

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>

// Error handling for libjpeg-turbo calls. The library reports a fatal error
// through error_exit, which must not return; here it jumps back to the
// guarded call, which then returns false. Only library calls and plain
// pointer work run inside a guarded call (the jump skips destructors), and
// everything that needs freeing is owned outside it.
//
// Warnings that mean damaged data (a cut-off file, corrupt entropy-coded
// data, a broken progression) fail the call the same way; so does a file of
// more scans than any camera writes.

struct JpegGuard {
    jpeg_error_mgr manager{}; // first: the library's callbacks find the rest from it
    std::jmp_buf jump{};
    jpeg_progress_mgr progress{};

    JpegGuard();
    // Makes `info` report through this object: before the library's create
    // call (which keeps `err`) for the errors, after it for the scan count.
    void AttachErrors(jpeg_common_struct* info) { info->err = &manager; }
    void AttachProgress(jpeg_common_struct* info) { info->progress = &progress; }
};

// Scans a progressive file may have: a file of thousands of tiny scans costs
// a pass over the whole picture each.
inline constexpr int kMaxJpegScans = 500;

// Memory the library may take for one picture, beyond the rows it hands out:
// the coefficients of a progressive CMYK picture of the largest size accepted.
inline constexpr long kMaxJpegLibraryMemory = 1L << 30;

// Runs `call` (library calls only); false when the library failed in it.
template <typename Call> bool GuardedJpegCall(JpegGuard& guard, Call&& call) {
    if (setjmp(guard.jump) != 0)
        return false;
    call();
    return true;
}
