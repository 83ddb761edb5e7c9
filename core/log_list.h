#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelora {

// One of the three log lists: whole lines appended in logging order, one rewritten in place
// when its QSO is corrected. Its text is the lines each followed by CR LF, as the lists are
// saved and exported.
class LogList {
  public:
    const std::vector<std::string>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }
    std::size_t size() const { return lines_.size(); }

    // `line` without its line end.
    void append(std::string line);
    // Replaces the whole list.
    void assign(std::vector<std::string> lines);
    // Replaces line `index` (0-based); nothing happens for an index past the list.
    void replace(std::size_t index, std::string line);

    std::string text() const;

    // The view is told of each appended or replaced line and of every replacement of the whole
    // list.
    std::function<void(const std::string& line)> on_view_append;
    std::function<void(std::size_t index, const std::string& line)> on_view_replace;
    std::function<void()> on_view_reset;

  private:
    std::vector<std::string> lines_;
};

}  // namespace zelora
