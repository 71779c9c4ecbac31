#include "matrix/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <system_error>

namespace number_text {
namespace {

constexpr std::string_view kMinusSign = "\xE2\x88\x92"; // U+2212, common in copied documents
constexpr int kQuotedCharacters = 20;
constexpr long long kExponentCap = 1'000'000'000; // far past any double, far from overflow

// One character of UTF-8 text. A byte that does not start a well-formed sequence comes alone,
// with valid false, so that it can be reported by its value.
struct Character {
    char32_t code;
    std::size_t length;
    bool valid;
};

Character Decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const Character invalid{lead, 1, false};
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t code = 0;
    // The bounds on the second byte rule out overlong forms, surrogates and codes past U+10FFFF.
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return invalid;
    }
    if (text.size() - at < length) {
        return invalid;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        const unsigned char low = k == 1 ? secondLow : 0x80;
        const unsigned char high = k == 1 ? secondHigh : 0xBF;
        if (next < low || next > high) {
            return invalid;
        }
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length, true};
}

// Characters that show as nothing or as a blank, so the user cannot see why the item is wrong.
bool IsInvisible(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x34F || c == 0x61C ||
           c == 0x115F || c == 0x1160 || c == 0x1680 || c == 0x17B4 || c == 0x17B5 || c == 0x180E ||
           (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
           (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0x3164 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 ||
           (c >= 0xFFF9 && c <= 0xFFFB) || (c >= 0xE0000 && c <= 0xE0FFF);
}

std::string_view NameOf(char32_t c) {
    switch (c) {
    case 0x00:
        return "NUL";
    case 0x0B:
        return "vertical tab";
    case 0x0C:
        return "form feed";
    case 0xAD:
        return "soft hyphen";
    case 0x2002:
        return "en space";
    case 0x2003:
        return "em space";
    case 0x2009:
        return "thin space";
    case 0x200B:
        return "zero-width space";
    case 0x200C:
        return "zero-width non-joiner";
    case 0x200D:
        return "zero-width joiner";
    case 0x200E:
        return "left-to-right mark";
    case 0x200F:
        return "right-to-left mark";
    case 0x202F:
        return "narrow no-break space";
    case 0x2060:
        return "word joiner";
    case 0x3000:
        return "ideographic space";
    case 0xFEFF:
        return "byte order mark";
    default:
        return {};
    }
}

std::string CodeText(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

std::string ByteText(char32_t byte) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "byte 0x%02X", static_cast<unsigned>(byte));
    return buffer;
}

std::size_t SignLength(std::string_view text) {
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        return 1;
    }
    return text.starts_with(kMinusSign) ? kMinusSign.size() : 0;
}

bool IsNegativeSign(std::string_view sign) {
    return !sign.empty() && sign != "+";
}

std::string_view TakeDigits(std::string_view& text) {
    const char* const first = text.data();
    const char* const last = first + text.size();
    const char* end = first;
    while (end != last && *end >= '0' && *end <= '9') {
        ++end;
    }
    const auto length = static_cast<std::size_t>(end - first);
    text.remove_prefix(length);
    return {first, length};
}

// The power of ten of the leading digit, to tell an overflow from an underflow; the mantissa
// is known not to be all zeros, since zero is never out of range.
long long DecimalMagnitude(std::string_view integer, std::string_view fraction,
                           std::string_view exponentDigits, bool exponentNegative) {
    long long exponent = 0;
    for (const char digit : exponentDigits) {
        exponent = std::min(exponent * 10 + (digit - '0'), kExponentCap);
    }
    if (exponentNegative) {
        exponent = -exponent;
    }
    const std::size_t firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        return exponent + static_cast<long long>(integer.size() - firstInteger) - 1;
    }
    return exponent - static_cast<long long>(fraction.find_first_not_of('0')) - 1;
}

} // namespace

Reading Read(std::string_view item) {
    constexpr Reading notNumber{Status::NotNumber, 0.0};
    std::string_view rest = item;
    const std::string_view sign = rest.substr(0, SignLength(rest));
    rest.remove_prefix(sign.size());
    const std::string_view mantissaStart = rest;
    const std::string_view integer = TakeDigits(rest);
    std::string_view fraction;
    if (!rest.empty() && rest[0] == '.') {
        rest.remove_prefix(1);
        fraction = TakeDigits(rest);
    }
    if (integer.empty() && fraction.empty()) {
        return notNumber;
    }
    const std::string_view mantissa = mantissaStart.substr(0, mantissaStart.size() - rest.size());
    std::string_view exponentSign;
    std::string_view exponentDigits;
    if (!rest.empty() && (rest[0] == 'e' || rest[0] == 'E')) {
        rest.remove_prefix(1);
        exponentSign = rest.substr(0, SignLength(rest));
        rest.remove_prefix(exponentSign.size());
        exponentDigits = TakeDigits(rest);
        if (exponentDigits.empty()) {
            return notNumber;
        }
    }
    if (!rest.empty()) {
        return notNumber;
    }

    // from_chars takes neither a leading sign of ours nor U+2212, so it reads the magnitude and
    // the exponent is respelled only in the rare case it carries U+2212.
    std::string_view unsignedText = mantissaStart;
    std::string respelled;
    if (exponentSign == kMinusSign) {
        respelled.reserve(mantissa.size() + 2 + exponentDigits.size());
        respelled.append(mantissa).append("e-").append(exponentDigits);
        unsignedText = respelled;
    }
    double value = 0.0;
    const char* const last = unsignedText.data() + unsignedText.size();
    const auto [end, error] = std::from_chars(unsignedText.data(), last, value);
    if (error == std::errc::result_out_of_range) {
        const bool large =
            DecimalMagnitude(integer, fraction, exponentDigits, IsNegativeSign(exponentSign)) > 0;
        return {large ? Status::TooLarge : Status::TooSmall, 0.0};
    }
    if (error != std::errc{} || end != last) {
        return notNumber;
    }
    return {Status::Number, IsNegativeSign(sign) ? -value : value};
}

std::string Quote(std::string_view item) {
    std::string quoted = "\"";
    std::size_t at = 0;
    for (int shown = 0; at < item.size() && shown < kQuotedCharacters; ++shown) {
        const Character c = Decode(item, at);
        if (!c.valid) {
            quoted.append("<").append(ByteText(c.code)).append(">");
        } else if (IsInvisible(c.code)) {
            quoted.append("<").append(CodeText(c.code)).append(">");
        } else {
            quoted += item.substr(at, c.length);
        }
        at += c.length;
    }
    if (at < item.size()) {
        quoted += "…";
    }
    return quoted + "\"";
}

std::string WhyNotNumber(std::string_view item) {
    for (std::size_t at = 0; at < item.size();) {
        const Character c = Decode(item, at);
        if (!c.valid) {
            return ": it holds the " + ByteText(c.code) + ", which is not part of any character.";
        }
        if (IsInvisible(c.code)) {
            const std::string_view name = NameOf(c.code);
            return ": it holds the invisible character " + CodeText(c.code) +
                   (name.empty() ? "" : " (" + std::string(name) + ")") + ".";
        }
        at += c.length;
    }

    // Try the usual look-alikes; name them only if putting them right gives a number.
    std::string repaired;
    bool comma = false;
    bool dash = false;
    char zeroLetter = 0;
    char oneLetter = 0;
    for (std::size_t at = 0; at < item.size();) {
        const Character c = Decode(item, at);
        if (c.code == ',') {
            comma = true;
            repaired += '.';
        } else if (c.code == 'O' || c.code == 'o') {
            zeroLetter = zeroLetter != 0 ? zeroLetter : static_cast<char>(c.code);
            repaired += '0';
        } else if (c.code == 'l' || c.code == 'I') {
            oneLetter = oneLetter != 0 ? oneLetter : static_cast<char>(c.code);
            repaired += '1';
        } else if (c.code >= 0x2010 && c.code <= 0x2015) {
            dash = true;
            repaired += '-';
        } else {
            repaired += item.substr(at, c.length);
        }
        at += c.length;
    }
    if (Read(repaired).status == Status::NotNumber) {
        return comma ? ". Write numbers with a decimal point and without thousands separators."
                     : ".";
    }
    std::string hints;
    if (comma) {
        hints += " Use a decimal point, not a comma.";
    }
    if (zeroLetter != 0) {
        hints += std::string(" Is the letter ") + zeroLetter + " meant as a zero?";
    }
    if (oneLetter != 0) {
        hints += std::string(" Is the letter ") + oneLetter + " meant as a 1?";
    }
    if (dash) {
        hints += " Is the dash meant as a minus sign? Type it as -.";
    }
    return "." + hints;
}

} // namespace number_text
