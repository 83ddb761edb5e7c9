// The statistics and report windows driven through their widgets: "STAT", "Report", "Salva".
// The statistics themselves are pinned in tests/core; here the binding and the whole flow.

#include <QLabel>
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
        QWidget* statistics = program.views.view(WindowId::statistics);
        QCOMPARE(statistics->windowTitle(), QStringLiteral("Zelora QRP Test - Statistiche"));
        const std::pair<const char*, QString> headings[] = {
            {"Label1", "SQR lavorati"},   {"Label2", "Mappa visuale SQR lavorati"},
            {"Label3", "DXCC lavorati"},  {"Label4", "UTC  -  qso - qrb"},
            {"Label5", "QTF    -   qso"}, {"Label6", "Classifica DX"}};
        for (const auto& [name, text] : headings) {
            QCOMPARE(program.find<QLabel>(WindowId::statistics, name)->text(), text);
        }
        auto* ranking = program.find<QListWidget>(WindowId::statistics, "List1");
        QCOMPARE(ranking->count(), 2);
        QCOMPARE(ranking->item(0)->text(), QStringLiteral("778Km - IK0JN45LL - JN45LL"));
        QCOMPARE(program.find<QPlainTextEdit>(WindowId::statistics, "Text2")->toPlainText(),
                 QStringLiteral("JN61 - JN45 - "));
        QVERIFY(program.find<QPlainTextEdit>(WindowId::statistics, "Text5")
                    ->toPlainText()
                    .startsWith(QStringLiteral("   0-30\u00B0  - 0\n")));
        auto* map = program.find<zelora::ui::SquareMapPicture>(WindowId::statistics, "MapPicture");
        QVERIFY(map->worked(13, 5));   // JN61
        QVERIFY(!map->worked(13, 6));  // JN71

        program.click(WindowId::statistics, "Command2");  // "Report"
        QVERIFY(program.shown(WindowId::report));
        QCOMPARE(program.views.view(WindowId::report)->windowTitle(),
                 QStringLiteral("Zelora QRP Test - Report"));
        program.click(WindowId::statistics, "Command1");  // "Chiudi": the report stays
        QVERIFY(!program.windows.is_open(WindowId::statistics));
        QVERIFY(program.shown(WindowId::report));
        auto* report = program.find<QPlainTextEdit>(WindowId::report, "Text1");
        QVERIFY(report->toPlainText().contains(QStringLiteral("\n330-359\u00B0  - 0\n")));
        program.click(WindowId::report, "Command1");  // "Salva"
        const std::string saved = program.fake.dir.read(zelora::kReportFileName);
        QCOMPARE(saved, program.windows.get<zelora::ReportScreen>().Text1.text() + "\r\n");
        QVERIFY(saved.find("\r\n330-359\xB0  - 0\r\n") != std::string::npos);
        QVERIFY(saved.find("\r\n778Km - IK0JN45LL - JN45LL\r\n350Km - IK0JN61FV - JN61FV\r\n") !=
                std::string::npos);
        QCOMPARE(program.fake.messages.texts().back(),
                 "Log salvato in " + program.fake.dir.file(zelora::kReportFileName));

        program.click(WindowId::main_log, "Command6");  // computed afresh after "Chiudi"
        QCOMPARE(program.find<QListWidget>(WindowId::statistics, "List1")->count(), 2);
        program.views.view(WindowId::report)->close();  // the close box does as "Chiudi"
        QVERIFY(!program.windows.is_open(WindowId::report));
    }
};

QTEST_MAIN(StatisticsWindowsTest)
#include "statistics_windows_test.moc"
