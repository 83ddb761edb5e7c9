#pragma once
// A contest of any length, typed QSO by QSO into the main window's entry row as an operator
// types it: callsigns of many countries, some portable, both modes, members of both clubs,
// locators spread over many squares with many equal distances, an hour of its own every ~1,400.

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "base/window_set.h"
#include "tests/support/fakes.h"
#include "windows/main_log_screen.h"

namespace zelora::bench {

inline constexpr const char* kStationFile =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = \r\n\r\n";

// Ten prefixes and three-letter suffixes: all different below 175,760 QSOs.
inline std::string callsign(long n) {
    static constexpr const char* kPrefixes[] = {"IK2", "I1", "OE3", "HB9", "S5",
                                                "9A1", "DL", "F4",  "OK1", "YU7"};
    std::string suffix;
    for (long rest = n / 10, i = 0; i < 3; ++i, rest /= 26) suffix += char('A' + rest % 26);
    return kPrefixes[n % 10] + std::to_string(n / 17576) + suffix + (n % 7 == 0 ? "/P" : "");
}

// Around JN81: two fields across, three down, every square, 24 subsquares each way.
inline std::string locator_of(long n) {
    const char field[] = {static_cast<char>('J' + n % 2), static_cast<char>('M' + n / 2 % 3), 0};
    return std::string(field) + std::to_string(n / 6 % 10) + std::to_string(n / 60 % 10) +
           static_cast<char>('A' + n / 600 % 24) + static_cast<char>('A' + n % 24);
}

// Types QSO `n` into the entry row; the caret is left in the locator box.
inline void type_qso(testing::FakePlatform& fake, MainLogScreen& main, long n) {
    fake.clock.utc.hour = 7 + static_cast<int>(n / 1429 % 7);
    fake.clock.utc.minute = static_cast<int>(n % 1429 * 60 / 1429);
    const bool cw = n % 3 == 0;
    main.focus(main.Text6);  // the clock is read as the entry row is entered
    main.Text6.set(callsign(n));
    main.Text5.set(cw ? "CW" : "SSB");
    main.Text7.set(cw ? "599" : "59");
    main.Text8.set(cw ? "579" : "57");
    main.focus(main.Text9);
    main.Text9.set(pad_serial(std::to_string(1 + n % 400)));
    main.focus(main.Text10);
    main.Text10.set(locator_of(n));
    main.Text11.set(n % 4 == 0 ? "I003" : n % 5 == 0 ? "M045" : "");
}

// Types QSO `n` and accepts it, without saving the contest.
inline void log_qso(testing::FakePlatform& fake, MainLogScreen& main, long n) {
    type_qso(fake, main, n);
    if (!main.AcceptQso()) throw std::logic_error("QSO refused");
}

// The program started afresh with `qsos` QSOs logged and not yet saved.
struct Contest {
    testing::FakePlatform fake;
    WindowSet windows{fake.platform()};
    MainLogScreen& main;

    explicit Contest(long qsos) : main(start(fake, windows)) {
        for (long n = 0; n < qsos; ++n) log_qso(n);
    }
    void log_qso(long n) { bench::log_qso(fake, main, n); }

  private:
    static MainLogScreen& start(testing::FakePlatform& fake, WindowSet& windows) {
        fake.dir.write("config.txt", kStationFile);
        start_program(windows);
        return windows.get<MainLogScreen>();
    }
};

// A hand-edited file may hold a value of any size.
inline const std::string kHugeValue(64 * 1024, '7');

// parziale.db of `qsos` QSOs as the program writes it; with `huge` every total holds kHugeValue.
inline std::string saved_contest(long qsos, bool huge = false) {
    Contest saved(qsos);
    saved.main.SavePartialState();
    const std::string file = saved.fake.dir.read("parziale.db");
    if (!huge) return file;
    std::string with_huge;
    for (const std::string& line : split_lines(file)) {
        const bool total = line.starts_with("CONTEST_");
        with_huge += (total ? line.substr(0, line.find(' ') + 1) + kHugeValue : line) + "\r\n";
    }
    return with_huge;
}

// The restored contests every restore benchmark runs on: the three log sizes, and the largest
// once more with 64 KB values in its totals.
inline void restored_contests(benchmark::internal::Benchmark* b) {
    b->ArgNames({"qsos", "huge"})
        ->Args({100, 0})
        ->Args({1000, 0})
        ->Args({10000, 0})
        ->Args({10000, 1})
        ->Unit(benchmark::kMillisecond);
}

}  // namespace zelora::bench
