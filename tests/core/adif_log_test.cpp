// The ADIF log read back by a plain ADIF reader.
#include "export/adif_log.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zelora {
namespace {

using Fields = std::map<std::string, std::string>;

struct AdifFile {
    std::string preamble;  // the header's free text
    Fields header;
    std::vector<Fields> records;
};

// Reads <NAME:length>data fields up to <EOH>, then records up to each <EOR>. A declared length
// must end exactly where the next field, a blank or a line end starts; everything must be
// printable ASCII.
AdifFile read_adif(const std::string& text) {
    AdifFile file;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte < 0x80 && (byte >= 0x20 || c == '\r' || c == '\n')) << int(byte);
    }
    std::size_t at = text.find('<');
    EXPECT_NE(at, 0u) << "a header starts with text";
    file.preamble = text.substr(0, at);
    Fields fields;
    bool in_header = true;
    while (at != std::string::npos) {
        const std::size_t close = text.find('>', at);
        const std::string tag = text.substr(at + 1, close - at - 1);
        at = close + 1;
        if (tag == "EOH" || tag == "EOR") {
            EXPECT_EQ(in_header, tag == "EOH");
            (in_header ? file.header : file.records.emplace_back()) = fields;
            fields.clear();
            in_header = false;
        } else {
            const std::size_t colon = tag.find(':');
            const std::size_t length = std::stoul(tag.substr(colon + 1));
            const std::string data = text.substr(at, length);
            at += length;
            EXPECT_TRUE(at < text.size() &&
                        std::string(" \r\n<").find(text[at]) != std::string::npos)
                << tag << " " << data;
            fields[tag.substr(0, colon)] = data;
        }
        at = text.find('<', at);
    }
    EXPECT_TRUE(fields.empty()) << "every record ends with <EOR>";
    EXPECT_EQ(text.substr(text.size() - 7), file.records.empty() ? "<EOH>\r\n" : "<EOR>\r\n");
    return file;
}

QsoRecord qso(std::string number, std::string callsign, std::string mode, std::string member) {
    return {number, "19/07/20", "07.20",  "144",  mode,  callsign, mode == "CW" ? "599" : "59",
            "57",   "012",      "JN61FV", member, " 350"};
}

const AdifStation kStation{"ZZ9QX/P", "JN81GD", "ZZ9QX", "0,5", {2020, 7, 19, 13, 5, 9}};

TEST(AdifLog, ASmallContestReadsBackFieldByField) {
    const AdifFile file = read_adif(
        adif_log({qso("001", "ZZ9XA", "SSB", "I003"), qso("002", "OE3XYZ/P", "CW", "")}, kStation));
    EXPECT_EQ(file.header, (Fields{{"ADIF_VER", "3.1.4"},
                                   {"PROGRAMID", "Zelora VHF qrp"},
                                   {"PROGRAMVERSION", "1.00"},
                                   {"CREATED_TIMESTAMP", "20200719 130509"}}));
    const Fields common{{"QSO_DATE", "20200719"},
                        {"TIME_ON", "0720"},
                        {"BAND", "2m"},
                        {"FREQ", "144"},
                        {"RST_RCVD", "57"},
                        {"SRX", "12"},
                        {"GRIDSQUARE", "JN61FV"},
                        {"MY_GRIDSQUARE", "JN81GD"},
                        {"STATION_CALLSIGN", "ZZ9QX/P"},
                        {"OPERATOR", "ZZ9QX"},
                        {"CONTEST_ID", "ZELORA-VHF-QRP"},
                        {"TX_PWR", "0.5"},
                        {"DISTANCE", "350"}};
    Fields first = common, second = common;
    first.insert({{"CALL", "ZZ9XA"},
                  {"MODE", "SSB"},
                  {"RST_SENT", "59"},
                  {"STX", "1"},
                  {"SRX_STRING", "I003"}});
    second.insert({{"CALL", "OE3XYZ/P"}, {"MODE", "CW"}, {"RST_SENT", "599"}, {"STX", "2"}});
    EXPECT_EQ(file.records, (std::vector<Fields>{first, second}));
}

TEST(AdifLog, HostileTextStaysReadableAndFieldsWithoutValidDataAreLeftOut) {
    QsoRecord odd = qso("1000", "\xC0\xDF\xD8K<EOR>", "FM", "");
    odd.date = "1x/07/20";
    odd.time = "24.00";
    odd.serial_received = "A1B";
    odd.qrb = "";
    AdifStation station = kStation;
    station.operators = "ZZ9QX \xE8\r\nZZ9QY\x80";
    station.power = "five";
    const AdifFile file = read_adif(adif_log({odd}, station));
    ASSERT_EQ(file.records.size(), 1u);
    const Fields& record = file.records[0];
    EXPECT_EQ(record.at("CALL"), "AssOK<EOR>");
    EXPECT_EQ(record.at("OPERATOR"), "ZZ9QX e  ZZ9QY?");
    EXPECT_EQ(record.at("STX"), "1000");
    for (const char* absent :
         {"QSO_DATE", "TIME_ON", "MODE", "SRX", "TX_PWR", "DISTANCE", "SRX_STRING"}) {
        EXPECT_FALSE(record.contains(absent)) << absent;
    }
    EXPECT_EQ(read_adif(adif_log({}, kStation)).records.size(), 0u);
}

}  // namespace
}  // namespace zelora
