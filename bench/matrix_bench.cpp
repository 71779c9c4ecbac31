// The sizes of a large pasted analysis: 99 variables on 10 factors.
#include "matrix/matrix.h"

#include "bench/loadings_text.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

void ReadPattern(benchmark::State& state) {
    const std::string text = LoadingsText(kVariables, kFactors);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Matrix(kVariables, kFactors, text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ReadPattern)->Unit(benchmark::kMicrosecond);

void ReadCorrelations(benchmark::State& state) {
    const std::string text = LoadingsText(kFactors, kFactors);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Matrix(kFactors, kFactors, text));
    }
}
BENCHMARK(ReadCorrelations)->Unit(benchmark::kMicrosecond);

void Product(benchmark::State& state) {
    const Matrix pattern(kVariables, kFactors, LoadingsText(kVariables, kFactors));
    const Matrix correlations(kFactors, kFactors, LoadingsText(kFactors, kFactors));
    for (auto _ : state) {
        benchmark::DoNotOptimize(pattern * correlations);
    }
}
BENCHMARK(Product)->Unit(benchmark::kMicrosecond);

void Str(benchmark::State& state) {
    const Matrix structure = Matrix(kVariables, kFactors, LoadingsText(kVariables, kFactors)) *
                             Matrix(kFactors, kFactors, LoadingsText(kFactors, kFactors));
    for (auto _ : state) {
        benchmark::DoNotOptimize(structure.Str());
    }
}
BENCHMARK(Str)->Unit(benchmark::kMicrosecond);

} // namespace
