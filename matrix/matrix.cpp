#include "matrix/matrix.h"

#include "matrix/matrix_reader.h"

#include <charconv>
#include <cmath>
#include <new>
#include <string_view>
#include <utility>

namespace {

std::string SizeText(std::int64_t rows, std::int64_t columns) {
    return std::to_string(rows) + " x " + std::to_string(columns);
}

void CheckSize(std::int64_t rows, std::int64_t columns) {
    if (rows < 1 || columns < 1) {
        throw NegativeOrZeroException("The matrix must have at least 1 row and 1 column; " +
                                      SizeText(rows, columns) + " was asked for.");
    }
    if (rows > Matrix::kMaxElements / columns) {
        throw OverflowOrUnderflowException("A " + SizeText(rows, columns) +
                                           " matrix is too large: a matrix holds at most " +
                                           std::to_string(Matrix::kMaxElements) + " numbers.");
    }
}

// Within kMaxElements the request is reasonable, but the machine may still be short of memory.
std::vector<double> Zeros(std::int64_t rows, std::int64_t columns) {
    try {
        return std::vector<double>(static_cast<std::size_t>(rows * columns), 0.0);
    } catch (const std::bad_alloc&) {
        throw OverflowOrUnderflowException("A " + SizeText(rows, columns) +
                                           " matrix does not fit in the memory available.");
    }
}

void AppendRounded(std::string& text, double value) {
    // Fixed notation of the largest double takes 309 digits, a sign, a point and 6 decimals.
    char buffer[330];
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    digits.remove_suffix(digits.size() - 1 - digits.find_last_not_of('0'));
    if (digits.back() == '.') {
        digits.remove_suffix(1);
    }
    text += digits == "-0" ? "0" : digits;
}

} // namespace

Matrix::Matrix(std::int64_t numberOfRows, std::int64_t numberOfColumns,
               const std::string& matrixString)
    : rows_(numberOfRows), columns_(numberOfColumns) {
    CheckSize(rows_, columns_);
    values_ = matrixString.empty() ? Zeros(rows_, columns_)
                                   : MatrixReader(rows_, columns_).Read(matrixString);
}

Matrix::Matrix(std::int64_t numberOfRows, std::int64_t numberOfColumns, std::vector<double> values)
    : rows_(numberOfRows), columns_(numberOfColumns), values_(std::move(values)) {}

Matrix Matrix::operator*(const Matrix& x) const {
    if (columns_ != x.rows_) {
        throw RowColumnMismatch(
            "A " + SizeText(rows_, columns_) + " matrix cannot be multiplied by a " +
            SizeText(x.rows_, x.columns_) + " matrix: the first has " + std::to_string(columns_) +
            " columns, the second " + std::to_string(x.rows_) + " rows.");
    }
    CheckSize(rows_, x.columns_);
    std::vector<double> product = Zeros(rows_, x.columns_);
    // Row by row of the right factor keeps the inner loop on contiguous memory; each element
    // still sums its terms in the order of the dot product.
    for (std::int64_t i = 0; i < rows_; ++i) {
        double* const out = product.data() + i * x.columns_;
        for (std::int64_t k = 0; k < columns_; ++k) {
            const double left = values_[static_cast<std::size_t>(i * columns_ + k)];
            const double* const right = x.values_.data() + k * x.columns_;
            for (std::int64_t j = 0; j < x.columns_; ++j) {
                out[j] += left * right[j];
            }
        }
    }
    for (std::size_t at = 0; at < product.size(); ++at) {
        if (!std::isfinite(product[at])) {
            const auto row = static_cast<std::int64_t>(at) / x.columns_ + 1;
            const auto column = static_cast<std::int64_t>(at) % x.columns_ + 1;
            throw OverflowOrUnderflowException(
                "Multiplying the " + SizeText(rows_, columns_) + " matrix by the " +
                SizeText(x.rows_, x.columns_) + " matrix overflows: row " + std::to_string(row) +
                ", column " + std::to_string(column) +
                " of the product is too large to be held as a number.");
        }
    }
    return Matrix(rows_, x.columns_, std::move(product));
}

std::string Matrix::Str() const {
    std::string text;
    text.reserve(values_.size() * 10);
    for (std::int64_t row = 0; row < rows_; ++row) {
        if (row > 0) {
            text += '\r';
        }
        for (std::int64_t column = 0; column < columns_; ++column) {
            if (column > 0) {
                text += '\t';
            }
            AppendRounded(text, values_[static_cast<std::size_t>(row * columns_ + column)]);
        }
    }
    return text;
}

double Matrix::operator()(std::int64_t row, std::int64_t column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        throw BadArgumentException("Element (" + std::to_string(row) + ", " +
                                   std::to_string(column) + ") lies outside the " +
                                   SizeText(rows_, columns_) +
                                   " matrix; rows and columns count from 0.");
    }
    return values_[static_cast<std::size_t>(row * columns_ + column)];
}

std::int64_t NumRows(const Matrix& theMatrix) {
    return theMatrix.rows_;
}

std::int64_t NumColumns(const Matrix& theMatrix) {
    return theMatrix.columns_;
}
