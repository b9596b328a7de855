#include "imaging/JpegGuard.h"

#include <jerror.h>

namespace {

constexpr int kEoiMarker = 0xD9;

[[noreturn]] void JumpBack(j_common_ptr info) {
    // The manager is the guard's first member, so its address is the guard's.
    std::longjmp(reinterpret_cast<JpegGuard*>(info->err)->jump, 1);
}

// Warnings that leave the picture whole: bytes of padding before the end
// marker, an unknown JFIF version or Adobe transform.
bool IsHarmless(const jpeg_error_mgr& manager) {
    switch (manager.msg_code) {
    case JWRN_EXTRANEOUS_DATA: return manager.msg_parm.i[1] == kEoiMarker;
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC: return true;
    default: return false;
    }
}

void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && !IsHarmless(*info->err))
        JumpBack(info);
}

void Silent(j_common_ptr) {}

void OnProgress(j_common_ptr info) {
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
        JumpBack(info);
}

} // namespace

JpegGuard::JpegGuard() {
    jpeg_std_error(&manager);
    manager.error_exit = JumpBack;
    manager.emit_message = OnMessage;
    manager.output_message = Silent;
    progress.progress_monitor = OnProgress;
}
