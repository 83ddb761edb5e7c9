#include "windows/statistics_screen.h"

#include <utility>

#include "base/text.h"
#include "base/window_set.h"
#include "stats/square_grid.h"
#include "stats/statistics_report.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"
#include "windows/report_screen.h"

namespace zelora {

void StatisticsScreen::ComputeStatistics() {
    own_square = windows().get<BearingCalculatorScreen>().Text3.text().substr(0, kSquareLength);
    const MainLogScreen& main = windows().get<MainLogScreen>();
    const std::size_t count = main.qsos().qsos().size();
    std::vector<QsoFacts> facts;
    facts.reserve(count);
    // Each QSO's fields as the readable log shows them, not columns of its log line, which
    // shift from QSO 1000 on and with long callsigns.
    for (std::size_t index = 0; index < count; ++index) {
        const QsoRecord qso = main.shown_qso(index);
        QsoFacts& fact = facts.emplace_back();
        fact.hour = qso.time.substr(0, 2);
        fact.callsign = qso.callsign;
        fact.locator = qso.locator.substr(0, 6);
        measure(fact);
    }
    ContestStatistics statistics = contest_statistics(facts);
    Text1.set(std::move(statistics.square_map));
    Text2.set(std::move(statistics.square_list));
    Text3.set(std::move(statistics.country_list));
    Text4.set(std::move(statistics.hour_table));
    Text5.set(std::move(statistics.bearing_table));
    List1 = std::move(statistics.ranking);
    hour_qsos = statistics.hour_qsos;
    sector_qsos = statistics.sector_qsos;
}

void StatisticsScreen::measure(QsoFacts& qso) const {
    // The calculator's mark of an empty Locator 2 calculates nothing: no distance, no bearing.
    if (qso.locator == "...") return;
    BearingCalculatorScreen& calculator = windows().get<BearingCalculatorScreen>();
    calculator.SetLocator2(qso.locator);
    // Writing the locator calculates only when it changes to 6 characters: each QSO gets the
    // result of its own locator, not one left from the QSO before.
    calculator.Calculate();
    qso.km = whole_value(calculator.Text6.text());
    qso.bearing = text_value(calculator.Text1.text());
}

void StatisticsScreen::Command1_Click() {
    windows().close(kId);
}

void StatisticsScreen::Command2_Click() {
    ReportScreen& report = windows().get<ReportScreen>();
    const std::string text = statistics_report(
        windows().platform().clock.local_now(),
        {List1, Text3.text(), Text2.text(), Text4.text(), Text5.text(), Text1.text()});
    report.Text1.set(report.Text1.text() + text);
    report.set_visible(true);
}

}  // namespace zelora
