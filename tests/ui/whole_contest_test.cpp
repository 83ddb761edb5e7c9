// A whole contest played as an operator plays it, keys typed into whichever box has the focus:
// the first start, 150 QSOs, the member lists, a correction, the EDI log and the report, then a
// second start that continues the contest. The contest and the files it must write are made by
// tests/data/whole_contest/make_expected.py from the file formats alone.

#include <QApplication>
#include <QFile>
#include <QtTest>

#include <string>

#include "support/ui_program.h"
#include "ui/statistics_pictures.h"

using zelora::WindowId;
using zelora::testing::type_keys;

namespace {

QByteArray expected(const char* name) {
    QFile file(QStringLiteral(ZELORA_TEST_DATA "/whole_contest/") + name);
    if (!file.open(QIODevice::ReadOnly)) return "missing " + QByteArray(name);
    return file.readAll();
}

// QSO `i` of the contest as make_expected.py writes it: callsign, serial, locator, mode.
QList<QByteArray> qso(int i) {
    static const QList<QByteArray> lines = expected("qsos.txt").split('\n');
    return lines.at(i).split(' ');
}

void key(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), key);
}
// Replaces the text of the focused box.
void retype(const QString& keys) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    type_keys(keys);
}

// One run of the program over the contest's directory.
struct Run : zelora::testing::UiProgram {
    using UiProgram::UiProgram;
    QString mode() const { return box("Text5")->text(); }

    // A QSO typed from the callsign box on; the clock moves one minute a QSO.
    void log(int i, const QString& member = {}) {
        set_clock(i);
        const QList<QByteArray> q = qso(i);
        if (q[3] != mode()) {
            key(Qt::Key_Backtab);
            key(q[3] == "CW" ? Qt::Key_Down : Qt::Key_Up);
            key(Qt::Key_Tab);
        }
        type_keys(q[0] + "\t\t\t" + q[1] + "\t" + q[2].toLower() + "\t" + member + "\r");
    }
    void set_clock(int i) {
        const int minutes = 9 * 60 + i;
        fake.clock.local = {2020, 7, 19, minutes / 60, minutes % 60, 0};
        fake.clock.utc = {2020, 7, 19, minutes / 60 - 2, minutes % 60, 0};
    }
    // The texts of the boxes shown since the last call.
    QStringList take_messages() {
        QStringList texts;
        for (const auto& text : fake.messages.texts()) texts.append(QString::fromLatin1(text));
        fake.messages.shown.clear();
        return texts;
    }
};

using Texts = QStringList;

QString in_dir(const zelora::testing::FakePlatform& fake, const char* name) {
    return QString::fromStdString(fake.dir.file(name));
}

}  // namespace

class WholeContestTest : public QObject {
    Q_OBJECT
  private slots:
    void aWholeContestThenItsContinuation() {
        zelora::testing::FakePlatform fake;
        fake.dir.write("iqrp.txt", expected("iqrp.txt").toStdString());
        fake.dir.write("mqc.txt", expected("mqc.txt").toStdString());
        {
            Run run(fake);
            zelora::start_program(run.windows);
            QVERIFY(run.views.view(WindowId::station)->isVisible());
            run.focus(WindowId::station, "Text1");
            type_keys("zz9aaa\tjn81gd\t001\t017");
            run.click(WindowId::station, "Command1");  // "Salva"
            QCOMPARE(fake.dir.read("config.txt"),
                     "Call = ZZ9AAA\r\nLocator = JN81GD\r\nIQRP = 001\r\nMDC = 017\r\n\r\n");
            QVERIFY(run.views.view(WindowId::main_log)->isVisible());
            run.focus(WindowId::main_log, "Text6");

            for (int i = 0; i < 20; ++i) run.log(i);
            QCOMPARE(run.take_messages(), Texts{});

            // Refusals of the entry, each mended where the caret lands.
            run.log(20, "x123");
            retype("m600\vjn8\r");                           // "\v" Backtab: the locator box
            retype(qso(20)[2] + "\v\v5\r");                  // the received report
            retype("59" + QString(6, '\v') + "32/07/20\r");  // the date
            // To the locator box again: the clock sets date and time.
            retype("19/07/20" + QString(8, '\t') + "\r");
            QCOMPARE(run.take_messages(),
                     (Texts{"Es. di formato corretto: I003 o M123", "Locatore errato",
                            "Inserire il rapporto RST ricevuto",
                            "Inserire la data del QSO nel formato DD/MM/YY"}));

            for (int i = 21; i < 60; ++i) run.log(i);
            type_keys(qso(10)[0] + "\r");  // worked already
            QCOMPARE(run.take_messages(),
                     Texts{QString::fromUtf8("QSO non valido, la stazione risulta già collegata")});

            // The administrator looks a member up and adds the next station to the I-QRP list.
            run.click(WindowId::main_log, "Command11");  // "Amministrazione"
            run.click(WindowId::admin, "Command2");
            run.focus(WindowId::member_lists, "Text5");
            type_keys(qso(22)[0]);
            run.click(WindowId::member_lists, "Command2");  // "Cerca"
            run.focus(WindowId::member_lists, "Text6");
            type_keys(qso(60)[0]);
            run.click(WindowId::member_lists, "Command3");  // "Aggiungi"
            run.click(WindowId::member_lists, "Command1");  // "Esci"
            QCOMPARE(run.take_messages(), (Texts{"Utente presente nel database I-QRP al numero 022",
                                                 "Utente aggiunto con successo nel database"}));
            run.focus(WindowId::main_log, "Text6");

            for (int i = 60; i < 150; ++i) run.log(i);
            QCOMPARE(run.take_messages(), Texts{});
            QCOMPARE(QByteArray::fromStdString(fake.dir.read("parziale.db")),
                     expected("before_correction.db"));

            // The received serial of QSO 5 was 123.
            run.click(WindowId::main_log, "Command5");  // "Modifica QSO"
            run.focus(WindowId::qso_edit, "Text1");
            type_keys(qso(5)[0] + "\r" + QString(6, '\t') + "123\r");
            run.click(WindowId::qso_edit, "Command2");  // "Chiudi"

            run.click(WindowId::main_log, "Command2");  // "Crea LOG"
            // Station data saved in this run reach the header only at the next start: typed here.
            for (const auto& [box, text] : {std::pair{"Text2", "ZZ9AAA"},
                                            {"Text14", "ZZ9AAA"},
                                            {"Text3", "JN81GD"},
                                            {"Text7", "Mario Rossi"},
                                            {"Text8", "Via Roma 1"},
                                            {"Text19", "0,5"},
                                            {"Text10", "Forl"}}) {
                run.focus(WindowId::edi_header, box);
                type_keys(text);
            }
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Igrave,
                                QStringLiteral("ì"), Qt::NoModifier);
            run.focus(WindowId::edi_header, "Combo1");
            key(Qt::Key_Down);                            // "3 watt"
            run.click(WindowId::edi_header, "Command2");  // "Crea EDI"
            auto* log = run.find<QPlainTextEdit>(WindowId::edi_save, "Text1");
            log->moveCursor(QTextCursor::End);  // a line typed after the log is saved with it
            QTest::keyClicks(log, QStringLiteral("73"));
            QTest::keyClick(log, Qt::Key_Return);
            run.click(WindowId::edi_save, "Command1");  // "Salva"
            QCOMPARE(QByteArray::fromStdString(fake.dir.read("02-ZZ9AAA.edi")),
                     expected("first.edi"));
            log->clear();                               // the export is made of the log's QSOs
            run.click(WindowId::edi_save, "Command3");  // "Esporta ADIF"
            const std::string adif = fake.dir.read("ZZ9AAA.adi");  // station from the header
            QVERIFY(adif.find("<CREATED_TIMESTAMP:15>20200719 092900 <EOH>\r\n<CALL:6>ZZ0AAA ") !=
                    std::string::npos);
            QVERIFY(adif.find("<STATION_CALLSIGN:6>ZZ9AAA <OPERATOR:6>ZZ9AAA "
                              "<CONTEST_ID:14>ZELORA-VHF-QRP <TX_PWR:3>0.5 ") != std::string::npos);
            run.click(WindowId::edi_save, "Command2");  // "Esci"
            run.click(WindowId::main_log, "Command2");  // the header kept its boxes while hidden
            QCOMPARE(run.box("Text10", WindowId::edi_header)->text(), QStringLiteral("Forlì"));

            run.click(WindowId::main_log, "Command6");  // "STAT"
            auto* ranking = run.find<QListWidget>(WindowId::statistics, "List1");
            QCOMPARE(ranking->count(), 150);
            QCOMPARE(ranking->item(0)->text().toLatin1() + "\r",
                     expected("report.txt").split('\n')[12]);
            auto* map = run.find<zelora::ui::SquareMapPicture>(WindowId::statistics, "MapPicture");
            QVERIFY(map->worked(13, 5) && !map->worked(0, 0));  // JN61 worked, JO14 not
            QVERIFY(run.find<QPlainTextEdit>(WindowId::statistics, "Text5")
                        ->toPlainText()
                        .contains(QStringLiteral("\n330-359\u00B0  - 16\n")));
            run.click(WindowId::statistics, "Command2");  // "Report"
            run.click(WindowId::report, "Command1");      // "Salva"
            QCOMPARE(QByteArray::fromStdString(fake.dir.read("zelora_qrp_statistiche.txt")),
                     expected("report.txt"));
            run.views.view(WindowId::report)->close();  // the close box does as "Chiudi"
            QVERIFY(!run.windows.is_open(WindowId::report));
            QCOMPARE(
                run.take_messages(),
                (Texts{"I dati del QSO sono stati modificati",
                       "Il Log del Contest e' stato salvato in " + in_dir(fake, "02-ZZ9AAA.edi"),
                       "Log ADIF salvato in " + in_dir(fake, "ZZ9AAA.adi"),
                       "Log salvato in " + in_dir(fake, "zelora_qrp_statistiche.txt")}));

            run.click(WindowId::main_log, "Command3");  // "Esci"
            QVERIFY(run.windows.finished());
        }
        QCOMPARE(QByteArray::fromStdString(fake.dir.read("parziale.db")), expected("first.db"));

        Run run(fake);
        zelora::start_program(run.windows);
        run.click(WindowId::start, "Command1");  // "Continua Contest"
        run.focus(WindowId::main_log, "Text6");
        for (int i = 150; i < 170; ++i) run.log(i);
        // The score frame shows the totals the logic keeps.
        const zelora::ContestTotals t = run.windows.get<zelora::MainLogScreen>().totals();
        const std::string values[] = {t.qso,      t.qrb,     t.molt,    t.punti, t.media,
                                      t.odx_call, t.odx_loc, t.odx_qrb, t.iqrp,  t.mdc};
        const char* labels[] = {"Label19", "Label21", "Label23", "Label25", "Label44",
                                "Label27", "Label28", "Label29", "Label51", "Label52"};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(run.label(labels[i]), QString::fromStdString(values[i]));
        run.click(WindowId::main_log, "Command2");    // "Crea LOG"
        run.click(WindowId::edi_header, "Command2");  // "Crea EDI"
        run.focus(WindowId::edi_save, "Text2");
        retype("second.edi");
        run.click(WindowId::edi_save, "Command1");  // "Salva"
        QCOMPARE(QByteArray::fromStdString(fake.dir.read("second.edi")), expected("second.edi"));
        run.click(WindowId::main_log, "Command3");  // "Esci"
        QCOMPARE(QByteArray::fromStdString(fake.dir.read("parziale.db")), expected("second.db"));
        QCOMPARE(run.take_messages(),
                 Texts{"Il Log del Contest e' stato salvato in " + in_dir(fake, "second.edi")});
    }
};

QTEST_MAIN(WholeContestTest)
#include "whole_contest_test.moc"
