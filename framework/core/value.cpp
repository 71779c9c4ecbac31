#include "framework/core/value.h"

#include "framework/core/runtime_exception.h"

namespace rt {

namespace {
[[noreturn]] void WrongKind(const char* wanted) {
    throw RuntimeException(std::string("A property value is not ") + wanted + ".");
}
} // namespace

bool AsBool(const Value& v) {
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return *i != 0;
    WrongKind("a flag");
}

std::int64_t AsInteger(const Value& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return *i;
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? 1 : 0;
    WrongKind("an integer");
}

double AsDouble(const Value& v) {
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*i);
    WrongKind("a number");
}

const std::string& AsText(const Value& v) {
    if (const auto* s = std::get_if<std::string>(&v))
        return *s;
    WrongKind("a text");
}

Color AsColor(const Value& v) {
    if (const auto* c = std::get_if<Color>(&v))
        return *c;
    WrongKind("a colour");
}

int IntOr(const std::optional<Value>& v, int fallback) {
    return v ? static_cast<int>(AsInteger(*v)) : fallback;
}

bool FlagOr(const std::optional<Value>& v, bool fallback) {
    return v ? AsBool(*v) : fallback;
}

} // namespace rt
