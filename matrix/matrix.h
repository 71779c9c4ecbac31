#pragma once
// A dense matrix of doubles, read from text pasted by the user and written back as text.
#include "matrix/matrix_errors.h"

#include <cstdint>
#include <string>
#include <vector>

class Matrix {
public:
    // Larger matrices are refused with OverflowOrUnderflowException rather than risking an
    // allocation that cannot succeed: 2^27 doubles take 1 GiB.
    static constexpr std::int64_t kMaxElements = std::int64_t{1} << 27;

    // Reads `matrixString`: rows end at CR, LF or CR LF, numbers are separated by spaces, tabs or
    // no-break spaces, blank lines are skipped. The text must hold exactly numberOfRows rows of
    // numberOfColumns numbers; the empty text gives a matrix of zeros.
    Matrix(std::int64_t numberOfRows, std::int64_t numberOfColumns,
           const std::string& matrixString);

    // The product this x x; raises RowColumnMismatch when the sizes do not fit and
    // OverflowOrUnderflowException when an element of the product is not finite.
    Matrix operator*(const Matrix& x) const;

    // One row per line, CR between rows, a tab between numbers, each rounded to six decimals
    // without trailing zeros or an exponent. The constructor reads it back.
    std::string Str() const;

    // 0-based; raises BadArgumentException outside the matrix.
    double operator()(std::int64_t row, std::int64_t column) const;

    friend std::int64_t NumRows(const Matrix& theMatrix);
    friend std::int64_t NumColumns(const Matrix& theMatrix);

private:
    Matrix(std::int64_t numberOfRows, std::int64_t numberOfColumns, std::vector<double> values);

    std::int64_t rows_;
    std::int64_t columns_;
    std::vector<double> values_; // row by row
};

std::int64_t NumRows(const Matrix& theMatrix);
std::int64_t NumColumns(const Matrix& theMatrix);
