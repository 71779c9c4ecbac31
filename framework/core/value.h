#pragma once
// Property values as the windows' layout tables give them: integers, flags, numbers, texts,
// colours.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace rt {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    // Colours are written as &hAARRGGBB in the tables; the alpha byte is unused.
    static constexpr Color FromRGB(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>((rgb >> 16) & 0xFF),
                static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
                static_cast<std::uint8_t>(rgb & 0xFF)};
    }
    friend bool operator==(const Color&, const Color&) = default;
};

using Value = std::variant<bool, std::int64_t, double, std::string, Color>;

struct Property {
    std::string name;
    Value value;
    Property(std::string n, bool v) : name(std::move(n)), value(v) {}
    Property(std::string n, int v) : name(std::move(n)), value(std::int64_t{v}) {}
    Property(std::string n, std::int64_t v) : name(std::move(n)), value(v) {}
    Property(std::string n, double v) : name(std::move(n)), value(v) {}
    Property(std::string n, const char* v) : name(std::move(n)), value(std::string(v)) {}
    Property(std::string n, std::string v) : name(std::move(n)), value(std::move(v)) {}
    Property(std::string n, Color v) : name(std::move(n)), value(v) {}
};

using PropertyList = std::vector<Property>;

inline PropertyList operator+(PropertyList a, const PropertyList& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Typed reads of a property value; a value of the wrong kind is an error of the table, not the
// user.
bool AsBool(const Value& v);
std::int64_t AsInteger(const Value& v);
double AsDouble(const Value& v);
const std::string& AsText(const Value& v);
Color AsColor(const Value& v);
// A property that may not be set, with the value it stands for then.
int IntOr(const std::optional<Value>& v, int fallback);
bool FlagOr(const std::optional<Value>& v, bool fallback);

} // namespace rt
