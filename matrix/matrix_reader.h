#pragma once
// Splits the pasted text of a matrix into rows and items and reads each item as a number,
// raising the error that tells the user what is wrong and where.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class MatrixReader {
public:
    // The size must already be known to be at least 1 x 1 and within Matrix::kMaxElements.
    MatrixReader(std::int64_t rows, std::int64_t columns);

    // The elements row by row. The text must not be empty: that case means zeros, not rows.
    std::vector<double> Read(std::string_view text) const;

private:
    void AddItem(std::string_view item, std::int64_t row, std::int64_t itemNumber,
                 std::vector<double>& values) const;
    [[noreturn]] void RaiseRowCount(std::int64_t rowsFound) const;

    std::int64_t rows_;
    std::int64_t columns_;
    std::string size_; // "6 x 2", as the user is told
};
