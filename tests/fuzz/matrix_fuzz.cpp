// Any text either reads or raises one of the component's errors; what reads must print as text
// that reads back to the same size and, within the rounding to six decimals, the same values.
#include "matrix/matrix.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::int64_t rows = 1 + data[0] % 12;
    const std::int64_t columns = 1 + data[1] % 12;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    try {
        const Matrix m(rows, columns, text);
        const Matrix back(rows, columns, m.Str());
        if (NumRows(back) != rows || NumColumns(back) != columns) {
            std::abort();
        }
        for (std::int64_t row = 0; row < rows; ++row) {
            for (std::int64_t column = 0; column < columns; ++column) {
                const double value = m(row, column);
                // Half a unit of the sixth decimal, plus the rounding of reading that back.
                if (std::abs(back(row, column) - value) > 5e-7 + std::abs(value) * 1e-15) {
                    std::abort();
                }
            }
        }
    } catch (const rt::RuntimeException&) {
    }
    return 0;
}
