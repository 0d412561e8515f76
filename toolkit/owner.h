#pragma once

#include <utility>

namespace toolkit {

// Sole owner of one Win32 handle: released exactly once, on whichever path leaves the scope.
// Close is the function that releases it (DeleteObject, FreeLibrary, DestroyIcon ...).
template <typename Handle, auto Close>
class Owner {
public:
    Owner() = default;
    explicit Owner(Handle handle) : handle_(handle) {}
    ~Owner() { reset(); }

    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : handle_(other.release()) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }

    // For out-parameters: releases what is held, then lends the slot to the call that fills it.
    Handle* put() {
        reset();
        return &handle_;
    }

    Handle release() { return std::exchange(handle_, Handle{}); }

    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

}  // namespace toolkit
