#pragma once
// A call history at its largest: 200,000 stations of many countries, as storico.txt holds them.

#include <algorithm>
#include <string>
#include <vector>

namespace zelora::bench {

inline constexpr long kStations = 200000;

// Forty prefixes, a digit and three letters: all different; every seventh portable.
inline std::string station_callsign(long n) {
    static constexpr const char* kPrefixes[] = {
        "I",  "IK", "IZ", "IW",  "IU", "DL", "DK", "DJ", "DO", "F",  "F4", "F5", "G",  "M0",
        "OE", "OK", "OM", "HB9", "S5", "9A", "YU", "SP", "HA", "YO", "LZ", "SV", "EA", "CT",
        "ON", "PA", "LX", "OZ",  "SM", "LA", "OH", "ES", "YL", "LY", "UR", "EU"};
    std::string callsign = kPrefixes[n % 40];
    long rest = n / 40;
    callsign += static_cast<char>('0' + rest % 10);
    rest /= 10;
    for (int i = 0; i < 3; ++i, rest /= 26) callsign += static_cast<char>('A' + rest % 26);
    return callsign + (n % 7 == 0 ? "/P" : "");
}

inline  // storico.txt of `stations` stations as the program saves it.
    std::string
    storico(long stations) {
    std::vector<std::string> lines;
    for (long n = 0; n < stations; ++n) {
        const char locator[] = {static_cast<char>('I' + n % 4),
                                static_cast<char>('L' + n / 4 % 4),
                                static_cast<char>('0' + n / 16 % 10),
                                static_cast<char>('0' + n / 160 % 10),
                                static_cast<char>('A' + n % 24),
                                static_cast<char>('A' + n / 24 % 24),
                                0};
        lines.push_back(station_callsign(n) + "#" + locator + "#20" + std::to_string(10 + n % 15) +
                        "0719\r\n");
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

}  // namespace zelora::bench
