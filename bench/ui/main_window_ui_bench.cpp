// The main window through its Qt view on a contest of 100 to 10,000 QSOs: "Continua Contest" up to
// the shown log, and Enter in the entry row up to the next empty row, the save included.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <memory>
#include <string>

#include "bench/support/contest_log.h"
#include "ui/window_views.h"
#include "windows/start_screen.h"

namespace {

using zelora::MainLogScreen;
using zelora::WindowId;

// The program with its views, started over a saved contest: the start dialog is showing.
struct Program {
    explicit Program(const std::string& partial_state) {
        fake.dir.write("config.txt", zelora::bench::kStationFile);
        fake.dir.write("parziale.db", partial_state);
        start_program(windows);
        QCoreApplication::processEvents();
    }
    MainLogScreen& main() { return windows.get<MainLogScreen>(); }

    zelora::testing::FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};
    zelora::ui::WindowViews views{windows};
};

void BM_UiContinueContest(benchmark::State& state) {
    const std::string file = zelora::bench::saved_contest(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(file);
        state.ResumeTiming();
        program->windows.get<zelora::StartScreen>().Command1_Click();
        QCoreApplication::processEvents();  // the window laid out and painted
        state.PauseTiming();
        if (program->main().Text12.size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("the contest was not restored");
        program.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UiContinueContest)->Apply(zelora::bench::restored_contests);

void BM_UiEnterToNextEmptyRow(benchmark::State& state) {
    Program program(zelora::bench::saved_contest(state.range(0), state.range(1) != 0));
    program.windows.get<zelora::StartScreen>().Command1_Click();
    QCoreApplication::processEvents();
    MainLogScreen& main = program.main();
    auto* locator = program.views.view(WindowId::main_log)->findChild<QLineEdit*>("Text10");
    long n = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        zelora::bench::type_qso(program.fake, main, n++);
        QCoreApplication::processEvents();
        const std::size_t before = main.Text12.size();
        state.ResumeTiming();
        QTest::keyClick(locator, Qt::Key_Return);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (main.Text12.size() != before + 1 || !main.Text6.text().empty())
            state.SkipWithError("the QSO was not logged");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UiEnterToNextEmptyRow)->Apply(zelora::bench::restored_contests);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
