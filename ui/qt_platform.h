#pragma once
// The platform for the real program: the computer's clock and Qt message boxes.

#include "base/platform.h"

namespace zelora::ui {

class SystemClock : public Clock {
  public:
    DateTime local_now() const override;
    DateTime utc_now() const override;
};

class QtMessageBoxes : public MessageBoxes {
  public:
    void show(const std::string& title, const std::string& text, MessageIcon icon) override;
};

// The directory that holds the executable.
std::string executable_directory();

}  // namespace zelora::ui
