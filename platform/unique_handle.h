#pragma once

#include <utility>

namespace platform {

// Owns one handle and closes it once; move-only, so a handle can never be closed twice.
template <typename Handle, auto close>
class Unique {
 public:
  Unique() = default;
  explicit Unique(Handle handle) : handle_(handle) {}
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // Gives up ownership, for a handle that something else has already closed.
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) {
      close(handle_);
    }
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

}  // namespace platform
