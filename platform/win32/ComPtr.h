// An owning pointer to a COM interface: one reference, released at the end.
#pragma once

#include <objbase.h>

#include <utility>

namespace platform {

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return object_; }
    Interface* Get() const { return object_; }

    // Releases the reference held and returns the place for a new one, as CoCreateInstance
    // and QueryInterface fill it.
    void** Out() {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }

    // Asks the object for another of its interfaces; false if it has none of that kind.
    template <class Other>
    bool Query(ComPtr<Other>& other) const {
        return SUCCEEDED(object_->QueryInterface(__uuidof(Other), other.Out()));
    }

private:
    void Reset() {
        if (object_) object_->Release();
        object_ = nullptr;
    }

    Interface* object_ = nullptr;
};

} // namespace platform
