// From "Crea LOG" to the file on disk: the header window, the REG1TEST text and the save window,
// driven as the operator drives them. The lines' values, the power check and the file names are
// the rows of tests/data/tables/edi.txt.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/contest_session.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"

namespace zelora {
namespace {

using testing::Strings;

// Own station ZZ9QX in JN81GD, I-QRP member 003.
struct EdiLogFlow : ::testing::Test, testing::ContestSession {
    EdiLogFlow() : ContestSession("Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\n") {}
    EdiHeaderScreen& header() { return get<EdiHeaderScreen>(); }
    EdiSaveScreen& save() { return get<EdiSaveScreen>(); }
    // "Crea LOG", then "Crea EDI": the log text, or nothing when the save window stayed shut.
    std::optional<std::string> create_edi() {
        main().Command2_Click();
        EXPECT_TRUE(header().visible());
        header().Command2_Click();
        if (!open(WindowId::edi_save)) return std::nullopt;
        return save().Text1.text();
    }
};

TEST_F(EdiLogFlow, ProposedNameAndRepeatedCreaEdiKeepEverything) {
    log("ZZ9XA");
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
        EXPECT_TRUE(open(WindowId::edi_header) && !header().visible() && save().visible());
    }
    log("ZZ9XB", "KN01AA");
    save().Command2_Click();  // "Esci"
    const std::string again = create_edi().value_or("");
    EXPECT_NE(again.find("RName=Mario Rossi\r\n"), std::string::npos);
    EXPECT_NE(again.find("[QSORecords;2]\r\n200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
                         "200719;0720;ZZ9XB;1;59;002;59;005;;KN01AA;293;;;;\r\n[END;"),
              std::string::npos);
    header().Command1_Click();  // "Chiudi" hides and keeps
    EXPECT_FALSE(header().visible());
    EXPECT_EQ(header().Text7.text(), "Mario Rossi");
    main().Command3_Click();  // "Esci" of the main window closes the save window too
    EXPECT_TRUE(windows->finished());
}

TEST_F(EdiLogFlow, EsportaAdifWritesTheLoggedQsosNotTheBox) {
    ASSERT_TRUE(create_edi());
    save().Command3_Click();
    EXPECT_EQ(told(), Strings{"Nessun QSO da esportare"});
    log("ZZ9XA", "JN61FV", "I003");
    log("ZZ9XB/P", "KN01AA", "", "005", true);
    header().Text2.set("ZZ9QX/P");
    header().Text14.set("ZZ9QX ZZ9QY");
    header().Text19.set("0,5");
    fake.clock.utc = {2020, 7, 19, 8, 5, 9};
    save().Text1.set("");
    save().Command3_Click();
    EXPECT_EQ(told(), Strings{"Log ADIF salvato in <dir>/ZZ9QX_P.adi"});
    const std::string adif = fake.dir.read("ZZ9QX_P.adi");
    for (const char* field :
         {"<CREATED_TIMESTAMP:15>20200719 080509 <EOH>\r\n<CALL:5>ZZ9XA ", "<SRX_STRING:4>I003 ",
          "<CALL:7>ZZ9XB/P ", "<STATION_CALLSIGN:7>ZZ9QX/P <OPERATOR:11>ZZ9QX ZZ9QY ",
          "<TX_PWR:3>0.5 <DISTANCE:3>293 <EOR>\r\n"}) {
        EXPECT_NE(adif.find(field), std::string::npos) << field;
    }
}

}  // namespace
}  // namespace zelora
