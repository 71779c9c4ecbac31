// One press of Calculate on the real calculator window with the largest analysis it takes:
// 99 variables on 10 factors, read from the fields, multiplied and written back with its stamp.
#include "framework/platform_hooks.h"
#include "windows/control_wnd.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int kVariables = 99;
constexpr int kFactors = 10;

// Three-decimal loadings as a statistics package prints them, tab separated, one row a line.
std::string Text(int rows, int columns) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> loading(-0.99, 0.99);
    std::string text;
    char number[16];
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::snprintf(number, sizeof number, "%.3f", loading(random));
            text += number;
            text += column + 1 < columns ? "\t" : "\r";
        }
    }
    return text;
}

void CalculatePress(benchmark::State& state) {
    int messages = 0;
    rt::Hooks().msgBox = [&messages](const std::string&) { ++messages; };
    rt::Hooks().now = [] { return std::chrono::system_clock::time_point(std::chrono::hours(1)); };
    auto window = ::ControlWnd();
    window->Nvariables()->SetText(std::to_string(kVariables));
    window->Nfactors()->SetText(std::to_string(kFactors));
    window->PmatrixFld()->SetText(Text(kVariables, kFactors));
    window->FmatrixFld()->SetText(Text(kFactors, kFactors));
    QWidget* button = window->CalculateBtn()->Widget();
    for (auto _ : state)
        QTest::mouseClick(button, Qt::LeftButton);
    if (messages != 0 || window->SmatrixFld()->Text().empty())
        state.SkipWithError("the calculation did not go through");
}
BENCHMARK(CalculatePress)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
