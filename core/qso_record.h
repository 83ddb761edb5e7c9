#pragma once

#include <string>

namespace zelora {

// One contact as typed in the entry row, all texts.
struct QsoRecord {
    std::string number;           // Text1, "001"
    std::string date;             // Text2, "DD/MM/YY"
    std::string time;             // Text3, "HH.MM"
    std::string frequency;        // Text4, "144"
    std::string mode;             // Text5, "SSB" or "CW"
    std::string callsign;         // Text6
    std::string rst_sent;         // Text7
    std::string rst_received;     // Text8
    std::string serial_received;  // Text9, "005"
    std::string locator;          // Text10
    std::string member;           // Text11, "", "I003", "M123"
    std::string qrb;              // Label13, " 523" or "1"
    // The radio's frequency when the QSO was logged, MHz: "144.300"; empty when not known.
    std::string radio_frequency = {};

    bool operator==(const QsoRecord&) const = default;
};

}  // namespace zelora
