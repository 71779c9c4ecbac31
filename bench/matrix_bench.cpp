// The sizes of a large pasted analysis: 99 variables on 10 factors.
#include "matrix/matrix.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int kVariables = 99;
constexpr int kFactors = 10;

// Three-decimal loadings as they are pasted from a statistics package, tab separated, CR LF.
std::string Text(int rows, int columns) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> loading(-0.99, 0.99);
    std::string text;
    char number[16];
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::snprintf(number, sizeof number, "%.3f", loading(random));
            text += number;
            text += column + 1 < columns ? "\t" : "\r\n";
        }
    }
    return text;
}

void ReadPattern(benchmark::State& state) {
    const std::string text = Text(kVariables, kFactors);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Matrix(kVariables, kFactors, text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ReadPattern)->Unit(benchmark::kMicrosecond);

void ReadCorrelations(benchmark::State& state) {
    const std::string text = Text(kFactors, kFactors);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Matrix(kFactors, kFactors, text));
    }
}
BENCHMARK(ReadCorrelations)->Unit(benchmark::kMicrosecond);

void Product(benchmark::State& state) {
    const Matrix pattern(kVariables, kFactors, Text(kVariables, kFactors));
    const Matrix correlations(kFactors, kFactors, Text(kFactors, kFactors));
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern * correlations);
    }
}
BENCHMARK(Product)->Unit(benchmark::kMicrosecond);

void Str(benchmark::State& state) {
    const Matrix structure = Matrix(kVariables, kFactors, Text(kVariables, kFactors)) *
                             Matrix(kFactors, kFactors, Text(kFactors, kFactors));
    for (auto _ : state) {
        benchmark::DoNotOptimize(structure.Str());
    }
}
BENCHMARK(Str)->Unit(benchmark::kMicrosecond);

} // namespace
