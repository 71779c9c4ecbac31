#pragma once
// The styles of a text area's text, set on ranges counted in characters from 0.
#include <cstdint>
#include <memory>

namespace rt {

class TextArea;

class StyledText {
public:
    explicit StyledText(std::weak_ptr<TextArea> area) : area_(std::move(area)) {}
    void Bold(std::int64_t start, std::int64_t length, bool bold);
    bool IsBold(std::int64_t position) const;

private:
    std::weak_ptr<TextArea> area_;
};

} // namespace rt
