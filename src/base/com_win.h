// The two halves of COM the program and its test fakes need: an owned interface pointer, and the
// IUnknown of the objects they implement.
#pragma once

#include <atomic>
#include <cstddef>
#include <utility>

#include "base/win32_win.h"

// An owned COM interface pointer: released once, by its owner. Copying is deleted, so no second
// owner can release it again.

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

// One interface a COM object answers: its IID, given explicitly (mingw's __uuidof does not know every
// interface), the object's pointer of that interface, and, for an interface answered only in some
// states, the test of the state (null: always).
template <typename Object>
struct ComInterface {
    const IID* iid;
    void* (*pointer)(Object& object);
    bool (*answers)(const Object& object) = nullptr;
};

// An object's whole table, as its com_interfaces() returns it.
template <typename Object>
struct ComTable {
    const ComInterface<Object>* begin;
    const ComInterface<Object>* end;
};
template <typename Object, size_t Count>
ComTable<Object> com_table(const ComInterface<Object> (&entries)[Count]) {
    return ComTable<Object>{entries, entries + Count};
}

// The object seen as one of its interfaces, for ComInterface::pointer.
template <typename Object, typename Interface>
void* com_pointer(Object& object) {
    return static_cast<Interface*>(&object);
}

// IUnknown for a COM object that derives from `Interfaces`: QueryInterface searches the table that
// Object::com_interfaces() returns (its first entry also answers IID_IUnknown, so that the object
// has one identity), and the reference count is atomic, since COM may call from any thread. The
// object starts with one reference, its creator's. When the last goes, Object::last_release runs:
// by default it deletes the object; a fake that lives elsewhere can hide it.
template <typename Object, typename... Interfaces>
class ComObject : public Interfaces... {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Object& self = static_cast<Object&>(*this);
        const ComTable<Object> table = Object::com_interfaces();
        for (const ComInterface<Object>* entry = table.begin; entry != table.end; ++entry) {
            if (*entry->iid != iid && !(entry == table.begin && iid == IID_IUnknown)) continue;
            if (entry->answers && !entry->answers(self)) return E_NOINTERFACE;
            *out = entry->pointer(self);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) static_cast<Object*>(this)->last_release();
        return left;
    }
    ULONG references() const { return references_; }

protected:
    virtual ~ComObject() = default;
    void last_release() { delete this; }

private:
    std::atomic<ULONG> references_{1};
};
