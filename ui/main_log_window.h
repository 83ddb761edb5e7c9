#pragma once

#include <vector>

#include "ui/window_view.h"
#include "windows/main_log_screen.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zelora::ui {

class CompassPicture;
class KmScalePicture;
class StationControlBar;
class PartialListView;

// The main logging window: heading; entry row, with the operator's aids under its boxes; the
// readable log over the partial check and the frame "Puntamento"; at the right the frames
// "Stazione" and "Contest" over the buttons. The whole of it fits a netbook's 1024 x 600 screen,
// and an 800 x 600 one with a narrower log.
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
    QLineEdit* entry_box(Control& control, const char* name, const char* widest);
    // A bold label showing `control`; with `widest`, as wide as that: longer values are cut.
    QLabel* value_label(Control& control, const char* name, const char* widest);
    // A caption at `row`, `column` of `grid`, its value beside it over `span` columns.
    void add_value(QGridLayout* grid, int row, int column, const CaptionedValue& value,
                   const char* widest, int span = 1);
    static QGridLayout* frame_grid(QGroupBox* frame);
    void show_pointing();
    // The duplicate mark beside the entry row; the callsign box turns red with it.
    QLabel* make_dupe_mark(QLineEdit* callsign_box);
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
    StationControlBar* station_ = nullptr;  // the radio's and the rotator's parts
    std::vector<QWidget*> tab_order_;  // the entry boxes in the order Tab visits them, then "OK"
};

}  // namespace zelora::ui
