#pragma once

#include <functional>
#include <optional>
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

// Every list holds one line a QSO for the last QSOs of the log, oldest first: all of them, or
// (the buffer of a header window opened after the first QSOs) only the later ones. So QSO
// `index` (0-based) of `count` stands `count - index` lines from the end; a list that began
// after it holds no line of it.
std::optional<std::size_t> line_of_qso(const LogList& list, std::size_t index, std::size_t count);

}  // namespace zelora
