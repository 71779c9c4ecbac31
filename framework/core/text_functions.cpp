#include "framework/core/text_functions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace rt {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the UTF-8 sequence starting at s[i] and its code point; invalid bytes are single.
std::size_t DecodeOne(const std::string& s, std::size_t i, std::uint32_t& code) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t len = b0 < 0x80           ? 1
                      : (b0 >> 5) == 0x6  ? 2
                      : (b0 >> 4) == 0xE  ? 3
                      : (b0 >> 3) == 0x1E ? 4
                                          : 0;
    if (len == 0 || i + len > s.size()) {
        code = b0;
        return 1;
    }
    code = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b >> 6) != 0x2) {
            code = b0;
            return 1;
        }
        code = (code << 6) | (b & 0x3F);
    }
    return len;
}

// Far past any double's exponent, and far enough from the integer's limits that the digits'
// count can still be added.
constexpr long long kExponentCap = std::numeric_limits<long long>::max() / 4;

// The power of ten of the first significant digit of an unsigned number ("0.05e3" gives 1); the
// exponent alone does not tell, as in "0.5e999" or a thousand digits before "e-300".
long long DecimalMagnitude(const std::string& number) {
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    long long exponent = 0;
    if (e < number.size()) {
        const char* first = number.data() + e + 1;
        const char* last = number.data() + number.size();
        if (first != last && *first == '+')
            ++first;
        if (std::from_chars(first, last, exponent).ec == std::errc::result_out_of_range)
            exponent = *first == '-' ? -kExponentCap : kExponentCap;
        exponent = std::clamp(exponent, -kExponentCap, kExponentCap);
    }
    const std::size_t point = std::min(number.find('.'), e);
    const std::size_t lead = number.find_first_not_of("0.");
    return exponent + (lead < point ? static_cast<long long>(point - lead) - 1
                                    : -static_cast<long long>(lead - point));
}

} // namespace

double Val(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            end = j;
        }
    }
    // from_chars takes neither a leading plus nor a bare leading point.
    std::string number = text.substr(start, end - start);
    if (!number.empty() && number[0] == '+')
        number.erase(0, 1);
    const bool negative = !number.empty() && number[0] == '-';
    if (negative)
        number.erase(0, 1);
    if (!number.empty() && number[0] == '.')
        number = "0" + number;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // from_chars leaves the value alone out of range: tell overflow from underflow ourselves.
    if (result.ec == std::errc::result_out_of_range)
        value = DecimalMagnitude(number) > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

std::int64_t Len(const std::string& text) {
    std::int64_t count = 0;
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i += DecodeOne(text, i, code);
    return count;
}

std::int64_t Asc(const std::string& text) {
    if (text.empty())
        return 0;
    std::uint32_t code = 0;
    DecodeOne(text, 0, code);
    return code;
}

std::string Chr(std::int64_t code) {
    std::string out;
    const auto c = static_cast<std::uint32_t>(code);
    if (code < 0 || code > 0x10FFFF)
        return out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace rt
