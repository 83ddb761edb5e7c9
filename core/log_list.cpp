#include "core/log_list.h"

#include <utility>

namespace zelora {

void LogList::append(std::string line) {
    lines_.push_back(std::move(line));
    if (on_view_append) on_view_append(lines_.back());
}

void LogList::assign(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    if (on_view_reset) on_view_reset();
}

void LogList::replace(std::size_t index, std::string line) {
    if (index >= lines_.size()) return;
    lines_[index] = std::move(line);
    if (on_view_replace) on_view_replace(index, lines_[index]);
}

std::string LogList::text() const {
    std::size_t size = 0;
    for (const auto& line : lines_) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<std::size_t> line_of_qso(const LogList& list, std::size_t index, std::size_t count) {
    if (list.size() + index < count) return std::nullopt;
    return list.size() + index - count;
}

}  // namespace zelora
