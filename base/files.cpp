#include "base/files.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace zelora {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::string path_in(const std::string& directory, const std::string& name) {
    return (std::filesystem::path(directory) / name).string();
}

bool file_exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::optional<std::string> read_file(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

std::vector<std::string> split_lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

bool replace_file(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    {
        File file(std::fopen(temporary.c_str(), "wb"));
        if (!file) return false;
        const bool written =
            std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
            std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
        if (!written) {
            file.reset();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void report_read_error(const Platform& platform, const std::string& path) {
    platform.alert("Impossibile leggere il file " + path);
}

void report_write_error(const Platform& platform, const std::string& path) {
    platform.alert("Impossibile scrivere il file " + path);
}

FileLines read_lines(const Platform& platform, const std::string& path) {
    FileLines result;
    result.exists = file_exists(path);
    if (!result.exists) return result;
    const std::optional<std::string> bytes = read_file(path);
    if (!bytes) {
        report_read_error(platform, path);
        return result;
    }
    result.readable = true;
    result.lines = split_lines(*bytes);
    return result;
}

}  // namespace zelora
