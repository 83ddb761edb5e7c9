#pragma once

#include <initializer_list>
#include <vector>

#include "ui/window_view.h"
#include "windows/main_log_screen.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zelora::ui {

class CompassPicture;
class KmScalePicture;
class PartialListView;

// The main logging window: heading, entry row, readable log, the frames "Stazione",
// "Contest" and "Puntamento", and the buttons.
class MainLogWindow : public WindowView {
    Q_OBJECT
  public:
    explicit MainLogWindow(MainLogScreen& screen);
    ~MainLogWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab goes round the entry row and "OK" only.
    bool focusNextPrevChild(bool next) override;

  private:
    // A caption and the control it names: one row of a frame.
    struct CaptionedValue {
        const char* caption;
        Control& control;
        const char* name;
    };

    void close_box() override { screen_.Command3_Click(); }
    QWidget* make_heading();
    QWidget* make_entry_row();
    QWidget* make_station_frame();
    QWidget* make_contest_frame();
    QWidget* make_pointing();
    QWidget* make_buttons();
    QLineEdit* entry_box(Control& control, const char* name, int characters);
    // A bold label showing `control`; with `widest`, as wide as that: longer values are cut.
    QLabel* value_label(Control& control, const char* name, const char* widest);
    // Caption and value rows from the top of `grid`; the first row left free.
    int add_rows(QGridLayout* grid, int value_columns, const char* widest,
                 std::initializer_list<CaptionedValue> rows);
    void show_pointing();
    // Duplicate mark and member hint beside the entry row, the partial check beside the log,
    // and the rate clock.
    QWidget* make_operator_aids(QLineEdit* callsign_box);
    QWidget* make_partial_list();
    // What the history knows of the callsign, under the first boxes of the entry row, and the
    // mark of the locator it filled in.
    void add_history_aids(QGridLayout* grid, QWidget* row);
    void refresh_rate_every_minute();
    void scroll_log_to_end();

    MainLogScreen& screen_;
    QLineEdit* mode_box_ = nullptr;
    QLineEdit* callsign_box_ = nullptr;  // Down goes into the partial list's history
    PartialListView* partial_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    CompassPicture* compass_ = nullptr;
    KmScalePicture* scale_ = nullptr;
    std::vector<QWidget*> tab_order_;  // the entry boxes in the order Tab visits them, then "OK"
};

}  // namespace zelora::ui
