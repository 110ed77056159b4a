// An owned COM interface pointer: released once, by its owner. Copying is deleted, so no second
// owner can release it again.
#pragma once

#include <utility>

template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(Interface* pointer) : pointer_(pointer) {}
    ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For the out parameter of a creating call; releases what is held first.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void reset(Interface* pointer = nullptr) {
        if (pointer_) pointer_->Release();
        pointer_ = pointer;
    }

private:
    Interface* pointer_ = nullptr;
};
