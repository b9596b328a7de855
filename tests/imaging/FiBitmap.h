#pragma once

#include <FreeImage.h>

#include <utility>

// Owns one FreeImage bitmap: unloads it when dropped, moves but never copies.
class FiBitmap {
public:
    FiBitmap() = default;
    explicit FiBitmap(FIBITMAP* dib) : mDib(dib) {}
    ~FiBitmap() { reset(); }

    FiBitmap(const FiBitmap&) = delete;
    FiBitmap& operator=(const FiBitmap&) = delete;
    FiBitmap(FiBitmap&& other) noexcept : mDib(other.release()) {}
    FiBitmap& operator=(FiBitmap&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    FIBITMAP* get() const { return mDib; }
    explicit operator bool() const { return mDib != nullptr; }

    // Hands the bitmap to the caller, who must unload it.
    [[nodiscard]] FIBITMAP* release() { return std::exchange(mDib, nullptr); }

    void reset(FIBITMAP* dib = nullptr) {
        if (mDib && mDib != dib)
            FreeImage_Unload(mDib);
        mDib = dib;
    }

    int width() const { return mDib ? static_cast<int>(FreeImage_GetWidth(mDib)) : 0; }
    int height() const { return mDib ? static_cast<int>(FreeImage_GetHeight(mDib)) : 0; }

private:
    FIBITMAP* mDib = nullptr;
};
