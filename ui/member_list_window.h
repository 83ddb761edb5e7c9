#pragma once

#include "ui/window_view.h"
#include "windows/member_list_screen.h"

namespace zelora::ui {

// The member-list window: the I-QRP and MQC lists side by side, searched and extended.
class MemberListWindow : public WindowView {
    Q_OBJECT
  public:
    explicit MemberListWindow(MemberListScreen& screen);

  private:
    void close_box() override { screen_.Command1_Click(); }

    QWidget* list_frame(const char* name, const QString& title, Control& count, Control& list,
                        const char* count_name, const char* list_name);

    MemberListScreen& screen_;
};

}  // namespace zelora::ui
