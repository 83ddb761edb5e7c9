#pragma once
// The files the program keeps in its directory, in one list: a log the operator names must
// never take the place of one of them.

#include <array>
#include <string_view>

namespace zelora {

inline constexpr const char* kStationFileName = "config.txt";
inline constexpr const char* kPartialStateFileName = "parziale.db";
inline constexpr const char* kIqrpFileName = "iqrp.txt";
inline constexpr const char* kMqcFileName = "mqc.txt";
inline constexpr const char* kReportFileName = "zelora_qrp_statistiche.txt";

inline constexpr std::array<const char*, 8> kProgramFileNames{
    kStationFileName, kPartialStateFileName, kIqrpFileName, kMqcFileName, kReportFileName,
    "zelora.lock",  // the lock file of earlier releases, which may still run beside this one
    "radio.txt",    // the radio and the rotator
    "storico.txt",  // the stations worked in earlier contests
};

// True when `name` (as the system spells it) is one of the program's files or `executable`,
// in any letter case: a memory card's file system does not tell "Config.txt" from "config.txt".
bool is_program_file_name(std::string_view name, std::string_view executable);

}  // namespace zelora
