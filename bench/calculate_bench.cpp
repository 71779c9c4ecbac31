// One press of Calculate on the real calculator window with the largest analysis it takes:
// 99 variables on 10 factors, read from the fields, multiplied and written back with its stamp.
#include "framework/platform/platform_hooks.h"
#include "windows/control_wnd.h"

#include "bench/loadings_text.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

void CalculatePress(benchmark::State& state) {
    int messages = 0;
    rt::Hooks().msgBox = [&messages](const std::string&) { ++messages; };
    rt::Hooks().now = [] { return std::chrono::system_clock::time_point(std::chrono::hours(1)); };
    auto window = ::ControlWnd();
    window->Nvariables()->SetText(std::to_string(kVariables));
    window->Nfactors()->SetText(std::to_string(kFactors));
    window->PmatrixFld()->SetText(LoadingsText(kVariables, kFactors, "\r"));
    window->FmatrixFld()->SetText(LoadingsText(kFactors, kFactors, "\r"));
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
