#pragma once
// One pasted item read as a number, and what to tell the user when it is not one.
#include <string>
#include <string_view>

namespace number_text {

enum class Status { Number, NotNumber, TooLarge, TooSmall };

struct Reading {
    Status status;
    double value; // meaningful only for Status::Number
};

// The whole of `item` must be an optional sign ("-", "+" or the minus sign U+2212), digits with
// an optional decimal point, and an optional exponent. The value is correctly rounded; values
// beyond the range of double are TooLarge, nonzero values that round to zero are TooSmall.
Reading Read(std::string_view item);

// `item` in quotes for a message: at most 20 characters, then "…"; invisible characters and
// bytes that are not UTF-8 are shown by their code.
std::string Quote(std::string_view item);

// Completes the sentence "<item> is not a number" for an item Read() found NotNumber: names the
// invisible character, invalid byte, decimal comma or look-alike letter that is the likely cause.
std::string WhyNotNumber(std::string_view item);

} // namespace number_text
