#pragma once
// Tables of inputs and expected outcomes kept as text in tests/data/tables: one row a line, the
// inputs, "->", then the outcome; "#" starts a comment line. A field is a word without blanks,
// or a quoted text holding \r \n \t \0 \\ \" and \xHH (two hex digits) for the bytes a
// hand-edited file or a paste may bring.

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zelora::testing {

struct TableRow {
    std::string where;  // file:line, for the failure message
    std::vector<std::string> in, out;
};

inline std::string quoted_field(const std::string& line, std::size_t& at,
                                const std::string& where) {
    std::string field;
    for (++at; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] != '\\') {
            field += line[at];
            continue;
        }
        const char c = at + 1 < line.size() ? line[++at] : '?';
        if (c == 'x' && at + 2 < line.size()) {
            field += static_cast<char>(std::stoi(line.substr(at + 1, 2), nullptr, 16));
            at += 2;
        } else {
            const std::string from = "rnt0\\\"", to("\r\n\t\0\\\"", 6);
            if (from.find(c) == std::string::npos) throw std::runtime_error(where + ": bad escape");
            field += to[from.find(c)];
        }
    }
    if (at++ >= line.size()) throw std::runtime_error(where + ": unclosed quote");
    return field;
}

inline std::vector<TableRow> read_table(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(' ') == std::string::npos || line.front() == '#') continue;
        TableRow row{path + ":" + std::to_string(number), {}, {}};
        bool outcome = false;
        for (std::size_t at = 0; at < line.size();) {
            if (line[at] == ' ') {
                ++at;
            } else if (line[at] == '"') {
                (outcome ? row.out : row.in).push_back(quoted_field(line, at, row.where));
            } else {
                const std::size_t end = std::min(line.find(' ', at), line.size());
                const std::string word = line.substr(at, end - at);
                if (word == "->") {
                    outcome = true;
                } else {
                    (outcome ? row.out : row.in).push_back(word);
                }
                at = end;
            }
        }
        if (!outcome) throw std::runtime_error(row.where + ": no \"->\"");
        rows.push_back(row);
    }
    return rows;
}

}  // namespace zelora::testing
