// The statistics and report windows driven through their widgets: "STAT", "Report", "Salva".
// The statistics themselves are pinned in tests/core; here the binding and the whole flow.

#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include "support/ui_program.h"
#include "ui/statistics_pictures.h"
#include "windows/report_screen.h"

using zelora::WindowId;

class StatisticsWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void statReportSalvaWritesTheFile() {
        zelora::testing::UiProgram program;
        program.start();
        for (const char* locator : {"JN61FV", "JN45LL"})
            zelora::testing::log_qso(program.windows.get<zelora::MainLogScreen>(),
                                     "IK0" + std::string(locator), "001", locator);

        program.click(WindowId::main_log, "Command6");  // "STAT"
        QVERIFY(program.shown(WindowId::statistics));
        auto* ranking = program.find<QListWidget>(WindowId::statistics, "List1");
        QCOMPARE(ranking->count(), 2);
        QCOMPARE(ranking->item(0)->text(), QStringLiteral("778Km - IK0JN45LL - JN45LL"));
        const auto text = [&](const char* name) {
            return program.find<QPlainTextEdit>(WindowId::statistics, name)->toPlainText();
        };
        QCOMPARE(text("Text2"), QStringLiteral("JN61 - JN45 - "));
        QVERIFY(text("Text5").startsWith(QStringLiteral("   0-30\u00B0  - 0\n")));
        auto* map = program.find<zelora::ui::SquareMapPicture>(WindowId::statistics, "MapPicture");
        QVERIFY(map->worked(13, 5));   // JN61
        QVERIFY(!map->worked(13, 6));  // JN71

        program.click(WindowId::statistics, "Command2");  // "Report"
        program.click(WindowId::statistics, "Command1");  // "Chiudi": the report stays
        QVERIFY(!program.windows.is_open(WindowId::statistics));
        QVERIFY(program.shown(WindowId::report));
        auto* report = program.find<QPlainTextEdit>(WindowId::report, "Text1");
        QVERIFY(report->toPlainText().contains(QStringLiteral("\n330-359\u00B0  - 0\n")));
        program.click(WindowId::report, "Command1");  // "Salva"
        const std::string saved = program.fake.dir.read(zelora::kReportFileName);
        QCOMPARE(saved, program.windows.get<zelora::ReportScreen>().Text1.text() + "\r\n");
        QVERIFY(saved.find("\r\n330-359\xB0  - 0\r\n") != std::string::npos);

        program.click(WindowId::main_log, "Command6");  // computed afresh after "Chiudi"
        QCOMPARE(program.find<QListWidget>(WindowId::statistics, "List1")->count(), 2);
        program.views.view(WindowId::report)->close();  // the close box does as "Chiudi"
        QVERIFY(!program.windows.is_open(WindowId::report));
    }
};

QTEST_MAIN(StatisticsWindowsTest)
#include "statistics_windows_test.moc"
