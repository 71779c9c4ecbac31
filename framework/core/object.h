#pragma once
// Framework objects are reference counted through std::shared_ptr; "releasing" a reference is
// letting it go. Cast is the framework's cast: nil stays nil, a wrong class is an error.
#include "framework/core/runtime_exception.h"

#include <functional>
#include <memory>
#include <string>

namespace rt {

class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;
};

template <class T, class U> std::shared_ptr<T> Cast(const std::shared_ptr<U>& object) {
    if (!object)
        return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast)
        throw IllegalCastException("An object is not of the class it was taken for.");
    return cast;
}

// A nil reference used as an object is an error, as it is everywhere in the framework.
template <class T> T& Deref(const std::shared_ptr<T>& object) {
    if (!object)
        throw NilObjectException("An object that does not exist was used.");
    return *object;
}

// A menu handler calling a method of a window or of the application, for as long as it exists.
template <class T> std::function<bool()> BoundMenuHandler(T& object, bool (T::*method)()) {
    std::weak_ptr<T> weak = std::static_pointer_cast<T>(object.shared_from_this());
    return [weak, method] {
        const auto held = weak.lock();
        return held && ((*held).*method)();
    };
}

} // namespace rt
