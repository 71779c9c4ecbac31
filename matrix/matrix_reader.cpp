#include "matrix/matrix_reader.h"

#include "matrix/matrix_errors.h"
#include "matrix/number_text.h"

#include <algorithm>

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Length of the separator at text[at]: a space, a tab or a no-break space U+00A0; 0 if none.
std::size_t SeparatorLength(std::string_view text, std::size_t at) {
    if (text[at] == ' ' || text[at] == '\t') {
        return 1;
    }
    return text[at] == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0' ? 2 : 0;
}

std::size_t EndOfItem(std::string_view text, std::size_t at) {
    while (at < text.size() && !IsLineEnd(text[at]) && SeparatorLength(text, at) == 0) {
        ++at;
    }
    return at;
}

// Lines holding anything but separators, from `at` to the end of the text.
std::int64_t CountRows(std::string_view text, std::size_t at) {
    std::int64_t rows = 0;
    bool lineHasItem = false;
    for (; at < text.size(); ++at) {
        if (IsLineEnd(text[at])) {
            rows += lineHasItem ? 1 : 0;
            lineHasItem = false;
        } else if (const std::size_t separator = SeparatorLength(text, at); separator > 0) {
            at += separator - 1;
        } else {
            lineHasItem = true;
        }
    }
    return rows + (lineHasItem ? 1 : 0);
}

std::string Counted(std::int64_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

} // namespace

MatrixReader::MatrixReader(std::int64_t rows, std::int64_t columns)
    : rows_(rows), columns_(columns),
      size_(std::to_string(rows) + " x " + std::to_string(columns)) {}

std::vector<double> MatrixReader::Read(std::string_view text) const {
    std::vector<double> values;
    // Every number takes a character and a separator, so the text bounds what it can hold
    // however large the size asked for.
    values.reserve(std::min(static_cast<std::size_t>(rows_ * columns_), text.size() / 2 + 1));
    std::int64_t row = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lineStart = at;
        std::int64_t items = 0;
        while (at < text.size() && !IsLineEnd(text[at])) {
            if (const std::size_t separator = SeparatorLength(text, at); separator > 0) {
                at += separator;
                continue;
            }
            const std::size_t end = EndOfItem(text, at);
            if (items == 0 && ++row > rows_) {
                RaiseRowCount(rows_ + CountRows(text, lineStart));
            }
            AddItem(text.substr(at, end - at), row, ++items, values);
            at = end;
        }
        if (items > 0 && items != columns_) {
            throw BadEntryNumberException("Row " + std::to_string(row) + " of the " + size_ +
                                          " matrix holds " + Counted(items, "number") +
                                          "; it should hold " + std::to_string(columns_) + ".");
        }
        ++at;
    }
    if (row != rows_) {
        RaiseRowCount(row);
    }
    return values;
}

void MatrixReader::AddItem(std::string_view item, std::int64_t row, std::int64_t itemNumber,
                           std::vector<double>& values) const {
    const number_text::Reading reading = number_text::Read(item);
    const auto where = [&] {
        return "Row " + std::to_string(row) + ", item " + std::to_string(itemNumber) + " of the " +
               size_ + " matrix: " + number_text::Quote(item);
    };
    switch (reading.status) {
    case number_text::Status::Number:
        // Items past the last column are still read, so that a bad one is named before the count.
        if (itemNumber <= columns_) {
            values.push_back(reading.value);
        }
        return;
    case number_text::Status::NotNumber:
        throw BadArgumentException(where() + " is not a number" + number_text::WhyNotNumber(item));
    case number_text::Status::TooLarge:
        throw OverflowOrUnderflowException(where() + " is too large to be held as a number.");
    case number_text::Status::TooSmall:
        throw OverflowOrUnderflowException(where() +
                                           " is too close to zero to be held as a number; "
                                           "write 0 if zero is meant.");
    }
}

void MatrixReader::RaiseRowCount(std::int64_t rowsFound) const {
    throw BadEntryNumberException("A " + size_ + " matrix was expected, but the text holds " +
                                  Counted(rowsFound, "row") +
                                  (rowsFound == 0 ? ": it has only blanks and line ends." : "."));
}
