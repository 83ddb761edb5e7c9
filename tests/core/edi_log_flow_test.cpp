// From "Crea LOG" to the file on disk: the header window, the power check, the REG1TEST text
// and the save window, driven as the operator drives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "base/files.h"
#include "base/window_set.h"
#include "support/fakes.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

using testing::critical;
using testing::information;

struct Qso {
    std::string callsign, locator, member;
    bool cw = false;
};

// One run of the program, own station ZZ9QX in JN81GD, I-QRP member 003.
struct Session {
    Session() {
        fake.dir.write("config.txt", "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\n");
        start_program(windows);
    }
    MainLogScreen& main() { return windows.get<MainLogScreen>(); }
    EdiHeaderScreen& header() { return windows.get<EdiHeaderScreen>(); }
    EdiSaveScreen& save() { return windows.get<EdiSaveScreen>(); }

    void log(const Qso& qso) {
        MainLogScreen& m = main();
        m.Text5_KeyDown(qso.cw ? kKeyDown : kKeyUp);
        m.Text6.set(qso.callsign);
        m.Text9.set("005");
        m.Text10.set(qso.locator);
        m.Text11.set(qso.member);
        ASSERT_TRUE(m.AcceptQso());
    }
    // "Crea LOG", then "Crea EDI": the log text, or nothing when the save window stayed shut.
    std::optional<std::string> create_edi() {
        main().Command2_Click();
        EXPECT_TRUE(header().visible());
        header().Command2_Click();
        if (!windows.is_open(WindowId::edi_save)) return std::nullopt;
        return save().Text1.text();
    }
    // The line of the log that starts with `key`, without its CR LF.
    std::string line_of(const std::string& key) {
        for (const std::string& line : split_lines(create_edi().value_or(""))) {
            if (line.starts_with(key)) return line;
        }
        return "(none)";
    }

    testing::FakePlatform fake;
    WindowSet windows{fake.platform()};
};

class EdiLogFlow : public ::testing::Test, protected Session {};

TEST_F(EdiLogFlow, LogTextByteForByte) {
    const std::vector<Qso> contest = {
        {"ZZ9XA", "JN61FV", "I003"}, {"ZZ9XB/P", "KN01AA", "", true}, {"ZZ9XC", "JN45LL", "M045"}};
    const std::string filled =
        "[REG1TEST;1]\r\nTName=ZELORA VHF QRP Contest 2020\r\nTDate=20200719;20200719\r\n"
        "PCall=ZZ9QX\r\nPWWLo=JN81GD\r\nPExch=003\r\nPAdr1=Via Roma 1\r\nPAdr2=\r\nPSect=02\r\n"
        "PBand=144 MHz\r\nPClub=ARI\r\nRName=Mario Rossi\r\nRCall=ZZ9QX\r\nRAdr1=Via Roma 1\r\n"
        "RAdr2=\r\nRPoCo=10100\r\nRCity=Citt\xE0\r\nRCoun=Italia\r\nRPhon=011 555\r\n"
        "RHBBS=m@r.it\r\nMOpe1=ZZ9QX ZZ9QY\r\nMOpe2=\r\nSTXeq=FT-817\r\nSPowe=2,5\r\n"
        "SRXeq=IC-705\r\nSAnte=Yagi 5el\r\nSAntH=10;400\r\nCQSOs=3;2\r\nCQSOP=1421\r\n"
        "CWWLs=0;0;0\r\nCWWLB=0\r\nCExcs=3;1421;2\r\nCExcB=2549\r\nCDXCs=1;0;0\r\nCDXCB=1128\r\n"
        "CToSc=2549\r\nCODXC=ZZ9XC;JN45LL; 778\r\n[Remarks]\r\nBel contest\r\nGrazie\r\n"
        "[QSORecords;3]\r\n"
        "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN61FV;350;;;;\r\n"
        "200719;0720;ZZ9XB/P;0;599;002;599;005;;KN01AA;293;;;;\r\n"
        "200719;0720;ZZ9XC;1;59;003;59;005;M045;JN45LL;778;;;;\r\n"
        "[END; Created with Zelora QRP Test by ZZ9AAA]\r\n";
    const std::string empty =
        "[REG1TEST;1]\r\nTName=ZELORA VHF QRP Contest 20\r\nTDate=;\r\nPCall=\r\nPWWLo=\r\n"
        "PExch=\r\nPAdr1=\r\nPAdr2=\r\nPBand=144 MHz\r\nPClub=\r\nRName=\r\nRCall=\r\n"
        "RAdr1=\r\nRAdr2=\r\nRPoCo=\r\nRCity=\r\nRCoun=\r\nRPhon=\r\nRHBBS=\r\nMOpe1=\r\n"
        "MOpe2=\r\nSTXeq=\r\nSPowe=\r\nSRXeq=\r\nSAnte=\r\nSAntH=;\r\nCQSOs=0;0\r\nCQSOP=0\r\n"
        "CWWLs=0;0;0\r\nCWWLB=0\r\nCExcs=0;0;0\r\nCExcB=0\r\nCDXCs=1;0;0\r\nCDXCB=0\r\n"
        "CToSc=0\r\nCODXC=...;...;0\r\n[Remarks]\r\n[QSORecords;0]\r\n"
        "[END; Created with Zelora QRP Test by ZZ9AAA]\r\n";
    using Typing = std::vector<std::pair<Control EdiHeaderScreen::*, std::string>>;
    using E = EdiHeaderScreen;
    const std::tuple<std::vector<Qso>, Typing, std::string> rows[] = {
        {contest,
         {{&E::Combo1, "3 watt"},
          {&E::Text7, "Mario Rossi"},
          {&E::Text8, "Via Roma 1"},
          {&E::Text9, "10100"},
          {&E::Text10, "Citt\xE0"},
          {&E::Text11, "Italia"},
          {&E::Text12, "011 555"},
          {&E::Text13, "m@r.it"},
          {&E::Text14, "ZZ9QX ZZ9QY"},
          {&E::Text15, "ARI"},
          {&E::Text16, "IC-705"},
          {&E::Text17, "FT-817"},
          {&E::Text18, "Yagi 5el"},
          {&E::Text19, "2,5"},
          {&E::Text20, "10"},
          {&E::Text21, "400"},
          {&E::Text22, "Bel contest\r\nGrazie"}},
         filled},
        // No QSOs, a category typed by hand, no own number, no date: lines with empty values.
        {{},
         {{&E::Combo1, "10 watt"},
          {&E::Text2, ""},
          {&E::Text3, ""},
          {&E::Text6, ""},
          {&E::Text14, ""}},
         empty},
    };
    for (const auto& [qsos, typing, expected] : rows) {
        Session run;
        if (qsos.empty()) {
            run.main().Label41.set("...");
            run.main().Text2.set("");
        }
        for (const Qso& qso : qsos) run.log(qso);
        for (const auto& [box, text] : typing) (run.header().*box).set(text);
        EXPECT_EQ(run.create_edi(), expected);
    }
}

TEST_F(EdiLogFlow, MainWindowValuesAsTheLogReadsThem) {
    // Control, its text, the log line that shows it. Short or malformed dates give fewer
    // characters, never a failure.
    MainLogScreen& m = main();
    EdiHeaderScreen& h = header();
    const std::tuple<Control*, std::string, std::string> rows[] = {
        {&m.Label41, "...", "PExch="},  // MQC "..." too
        {&m.Label42, "045", "PExch=045"},
        {&m.Label41, "", "PExch=045"},  // an empty I-QRP number cannot hide the MQC one
        {&m.Label41, "007", "PExch=007"},
        {&m.Text2, "19/07/21", "TName=ZELORA VHF QRP Contest 2021"},
        {&m.Text2, "1/7/21", "TName=ZELORA VHF QRP Contest 20"},
        {&m.Text2, "19/07/2", "TName=ZELORA VHF QRP Contest 202"},
        {&h.Text6, "06/12/2026", "TDate=20261206;20261206"},
        {&h.Text6, "6/12/26", "TDate=62/6/;62/6/"},
        {&h.Text6, "1", "TDate=1;1"},
        {&m.Label25, "1500", "CExcB=1500"},
        {&m.Label21, "500", "CDXCB=1000"},
        {&m.Label21, "1234,5", "CDXCB=266"},  // "1234,5" reads 1234
        {&m.Label21, "0.5", "CDXCB=1499.5"},
        {&m.Label25, "0", "CDXCB=-0.5"},
    };
    m.Label42.set("...");
    for (const auto& [control, text, line] : rows) {
        control->set(text);
        EXPECT_EQ(line_of(line.substr(0, 6)), line) << text;
    }
}

TEST_F(EdiLogFlow, PowerCheckAtAndAboveEachLimit) {
    const std::string over = "La massima potenza consentita in questa categoria e' di ";
    const std::string tail = "... cambiare la categoria";
    // Category, power, refusal (empty: passes).
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"0,5 watt", "0.5", ""},
        {"0,5 watt", "0,5", ""},
        {"0,5 watt", "0.51", over + "0,5 watt" + tail},
        {"0,5 watt", "0,6", over + "0,5 watt" + tail},
        {"3 watt", "3", ""},
        {"3 watt", "3.1", over + "3 watt" + tail},
        {"3 watt", "3,5", over + "3 watt" + tail},
        {"5 watt", "5,0", ""},
        {"5 watt", "5.01", over + "5 watt" + tail},
        {"5 watt", "5,1", over + "5 watt" + tail},
        {"0,5 watt", "abc", ""},
        {"0,5 watt", "-1", ""},
        {"0,5 watt", "", ""},
        {"5 watt", "1e9", over + "5 watt" + tail},
        {"10 watt", "100", ""},  // typed by hand: no check
        {"5 Watt", "100", ""},   // the comparison is exact
    };
    for (const auto& [category, power, refusal] : rows) {
        SCOPED_TRACE(category + " " + power);
        windows.close(WindowId::edi_save);
        header().Combo1.set(category);
        header().Text19.set(power);
        const std::optional<std::string> text = create_edi();
        if (refusal.empty()) {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_NE(text.value_or("").find("\r\nSPowe=" + power + "\r\n"), std::string::npos);
            EXPECT_FALSE(header().visible());
        } else {
            EXPECT_EQ(fake.messages.shown, (std::vector{information(refusal)}));
            EXPECT_EQ(text, std::nullopt);
            EXPECT_TRUE(header().visible());
            EXPECT_EQ(header().Combo1.text(), category);
        }
        fake.messages.shown.clear();
    }
}

TEST_F(EdiLogFlow, ProposedNameAndRepeatedCreaEdiKeepEverything) {
    log({"ZZ9XA", "JN61FV", ""});
    header().Text7.set("Mario Rossi");
    // Category, the file-name box after "Crea EDI" (typed by hand: left as it was).
    const std::pair<std::string, std::string> rows[] = {
        {"3 watt", "02-ZZ9QX.edi"},
        {"10 watt", "02-ZZ9QX.edi"},
        {"0,5 watt", "01-ZZ9QX.edi"},
        {"5 watt", "03-ZZ9QX.edi"},
    };
    for (const auto& [category, name] : rows) {
        header().Combo1.set(category);
        ASSERT_TRUE(create_edi());
        EXPECT_EQ(save().Text2.text(), name);
        EXPECT_TRUE(windows.is_open(WindowId::edi_header));
        EXPECT_FALSE(header().visible());
        EXPECT_TRUE(save().visible());
    }
    log({"ZZ9XB", "KN01AA", ""});
    save().Command2_Click();  // "Esci"
    const std::string again = create_edi().value_or("");
    EXPECT_NE(again.find("RName=Mario Rossi\r\n"), std::string::npos);
    EXPECT_NE(again.find("PCall=ZZ9QX\r\n"), std::string::npos);
    EXPECT_NE(again.find("[QSORecords;2]\r\n200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
                         "200719;0720;ZZ9XB;1;59;002;59;005;;KN01AA;293;;;;\r\n[END;"),
              std::string::npos);
    header().Command1_Click();  // "Chiudi" hides and keeps
    EXPECT_FALSE(header().visible());
    EXPECT_EQ(header().Text7.text(), "Mario Rossi");
    main().Command3_Click();  // "Esci" of the main window closes the save window too
    EXPECT_TRUE(windows.finished());
}

TEST_F(EdiLogFlow, SaveWritesOnlyPlainNamesInTheProgramDirectory) {
    fake.dir.block("taken.edi");
    const std::string bad = "Nome del file non valido: ";
    // Name typed, the box after "Salva", the message, the file written (empty: none).
    const std::tuple<std::string, std::string, testing::ShownMessage, std::string> rows[] = {
        {"01-ZZ9QX/P.edi", "01-ZZ9QX_P.edi", {}, "01-ZZ9QX_P.edi"},
        {"ab/cde", "ab_cde", {}, "ab_cde"},
        {"/x/y/z.edi", "_x_y_z.edi", {}, "_x_y_z.edi"},
        {"ab/cd", "ab/cd", information(bad + "ab/cd"), ""},
        {"/x", "/x", information(bad + "/x"), ""},
        {"../x", "../x", information(bad + "../x"), ""},
        {"", "", information(bad), ""},
        {".", ".", information(bad + "."), ""},
        {"..", "..", information(bad + ".."), ""},
        {".edi", ".edi", information(bad + ".edi"), ""},  // hidden from the operator
        {"a\\b.edi", "a\\b.edi", information(bad + "a\\b.edi"), ""},
        {"c:x.edi", "c:x.edi", information(bad + "c:x.edi"), ""},
        {"x\ty.edi", "x\ty.edi", information(bad + "x\ty.edi"), ""},
        {"taken.edi", "taken.edi",
         critical("Impossibile scrivere il file " + fake.dir.file("taken.edi")), ""},
    };
    const std::string log = "[REG1TEST;1]\r\n[END; x]\r\n";
    for (const auto& [typed, shown, message, file] : rows) {
        SCOPED_TRACE(typed);
        save().Text1.set(log);
        save().Text2.set(typed);
        save().Command1_Click();
        EXPECT_EQ(save().Text2.text(), shown);
        EXPECT_EQ(save().Text1.text(), log);
        const testing::ShownMessage saved =
            information("Il Log del Contest e' stato salvato in " + fake.dir.file(file));
        EXPECT_EQ(fake.messages.shown, (std::vector{file.empty() ? message : saved}));
        if (!file.empty()) {
            EXPECT_EQ(fake.dir.read(file), log);
        }
        fake.messages.shown.clear();
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fake.dir.path()),
                            std::filesystem::directory_iterator()),
              5);  // config.txt, taken.edi and the three logs, nothing else
}

TEST_F(EdiLogFlow, SaveAgainReplacesTheFileWithCrLfLineEnds) {
    // Text in the box, then the file's bytes; an empty text saves nothing and says nothing.
    const std::pair<std::string, std::string> rows[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"edited\nby hand\rhere\r\n\n", "edited\r\nby hand\r\nhere\r\n\r\n"},
        {"no end", "no end"},
        {"", "no end"},
    };
    save().Text2.set("log.edi");
    for (const auto& [text, bytes] : rows) {
        save().Text1.set(text);
        save().Command1_Click();
        EXPECT_EQ(fake.dir.read("log.edi"), bytes);
    }
    EXPECT_EQ(fake.messages.shown.size(), 3u);
    EXPECT_TRUE(windows.is_open(WindowId::edi_save));
}

TEST_F(EdiLogFlow, EsportaAdifWritesTheLogUnderTheCallsignsName) {
    ASSERT_TRUE(create_edi());
    save().Command3_Click();
    EXPECT_EQ(fake.messages.texts(), std::vector<std::string>{"Nessun QSO da esportare"});
    log({"ZZ9XA", "JN61FV", "I003"});
    log({"ZZ9XB/P", "KN01AA", "", true});
    header().Text14.set("ZZ9QX ZZ9QY");
    header().Text19.set("0,5");
    fake.clock.utc = {2020, 7, 19, 8, 5, 9};
    save().Text1.set("");  // the records come from the log, not from the box
    fake.dir.block("ZZ9QY.adi");
    const std::string bad = "Nome del file non valido: ";
    // Callsign of the header, the message, the file written (empty: none).
    const std::tuple<std::string, testing::ShownMessage, std::string> rows[] = {
        {"ZZ9QX/P", information("Log ADIF salvato in " + fake.dir.file("ZZ9QX_P.adi")),
         "ZZ9QX_P.adi"},
        {"/", information(bad + "/.adi"), ""},
        {"ZZ9\\QX", information(bad + "ZZ9\\QX.adi"), ""},
        {"",
         information("Inserire il Nominativo nella finestra \"Compilazione Log formato EDI\": "
                     "il file ADIF prende il suo nome"),
         ""},
        {"ZZ9QY", critical("Impossibile scrivere il file " + fake.dir.file("ZZ9QY.adi")), ""},
    };
    for (const auto& [callsign, message, file] : rows) {
        SCOPED_TRACE(callsign);
        fake.messages.shown.clear();
        header().Text2.set(callsign);
        save().Command3_Click();
        EXPECT_EQ(fake.messages.shown, std::vector{message});
        if (file.empty()) continue;
        const std::string adif = fake.dir.read(file);
        for (const char* field : {"<CREATED_TIMESTAMP:15>20200719 080509 <EOH>\r\n<CALL:5>ZZ9XA ",
                                  "<SRX_STRING:4>I003 ", "<CALL:7>ZZ9XB/P ",
                                  "<STATION_CALLSIGN:7>ZZ9QX/P <OPERATOR:11>ZZ9QX ZZ9QY ",
                                  "<TX_PWR:3>0.5 <DISTANCE:3>293 <EOR>\r\n"}) {
            EXPECT_NE(adif.find(field), std::string::npos) << field;
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fake.dir.path()),
                            std::filesystem::directory_iterator()),
              3);  // config.txt, the blocked name and the one export, nothing else
}

// A REG1TEST file as any reader sees it, written from the format alone.
struct Reg1Test {
    std::vector<std::string> sections;  // the "[...]" lines, in order
    std::vector<std::pair<std::string, std::string>> header;
    std::vector<std::string> remarks;
    std::vector<std::vector<std::string>> qsos;  // fields of each QSO line
    long declared_qsos = -1;                     // N of "[QSORecords;N]"
};

Reg1Test read_reg1test(const std::string& text) {
    Reg1Test file;
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'),
              std::count(text.begin(), text.end(), '\n'));
    for (const std::string& line : split_lines(text)) {
        if (line.starts_with("[")) {
            file.sections.push_back(line.substr(0, line.find(';')));
            if (line.starts_with("[QSORecords;")) file.declared_qsos = std::stol(line.substr(12));
        } else if (file.sections.size() == 1) {
            const std::size_t equals = line.find('=');
            EXPECT_NE(equals, std::string::npos) << line;
            file.header.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        } else if (file.sections.back() == "[Remarks]") {
            file.remarks.push_back(line);
        } else {
            std::vector<std::string> fields;
            std::size_t start = 0;
            for (std::size_t end; (end = line.find(';', start)) != std::string::npos;
                 start = end + 1)
                fields.push_back(line.substr(start, end - start));
            fields.push_back(line.substr(start));
            file.qsos.push_back(fields);
        }
    }
    return file;
}

TEST_F(EdiLogFlow, AnyReg1TestReaderReadsTheLogAsTyped) {
    const std::string long_name(10000, 'x');
    header().Text7.set(long_name);
    header().Text8.set("Piazza Libert\xE0; 3\r\n[END]");  // a line break cannot end the section
    header().Text22.set("riga uno\r\nriga due");
    log({"ZZ9XA", "JN61FV", "I003"});
    log({"ZZ9XB/P", "KN01AA", "", true});
    const Reg1Test file = read_reg1test(create_edi().value_or(""));
    EXPECT_EQ(file.sections,
              (std::vector<std::string>{"[REG1TEST", "[Remarks]", "[QSORecords", "[END"}));
    const std::map<std::string, std::string> values(file.header.begin(), file.header.end());
    EXPECT_EQ(file.header.size(), 36u);
    EXPECT_EQ(values.size(), 36u);  // every key once
    EXPECT_EQ(values.at("RName"), long_name);
    EXPECT_EQ(values.at("PAdr1"), "Piazza Libert\xE0 3[END]");
    EXPECT_EQ(values.at("PCall"), "ZZ9QX");
    EXPECT_EQ(values.at("CQSOs"), "2;1");
    EXPECT_EQ(file.remarks, (std::vector<std::string>{"riga uno", "riga due"}));
    EXPECT_EQ(file.declared_qsos, 2);
    ASSERT_EQ(file.qsos.size(), 2u);
    for (const auto& fields : file.qsos) EXPECT_EQ(fields.size(), 15u);
    EXPECT_EQ(file.qsos[1][2], "ZZ9XB/P");
    EXPECT_EQ(file.qsos[1][9], "KN01AA");
}

}  // namespace
}  // namespace zelora
