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

}  // namespace
}  // namespace zelora
