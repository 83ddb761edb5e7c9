#include "base/files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelora {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::string_view kTemporaryPrefix = ".zelora-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryDigits = 8;

std::string temporary_file_name(unsigned value) {
    char digits[kTemporaryDigits + 1];
    std::snprintf(digits, sizeof digits, "%08x", value);
    return std::string(kTemporaryPrefix) + digits + std::string(kTemporarySuffix);
}

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

namespace {

// A file's new bytes, written and flushed under a temporary name beside it: renaming it over the
// file is all that is left to do. Nothing when they could not be written, or when the file is
// something a file cannot replace (a directory).
std::optional<std::string> staged(const std::string& path, std::string_view bytes) {
    // The file's permission bits go over to its replacement; a new file gets the usual ones.
    struct stat old_file {};
    std::filesystem::path directory = std::filesystem::path(path).parent_path();
    if (directory.empty()) directory = ".";
    const bool exists = ::stat(path.c_str(), &old_file) == 0;
    if (exists && S_ISDIR(old_file.st_mode)) return std::nullopt;  // no rename can replace it
    const bool replacing = exists && S_ISREG(old_file.st_mode);
    // The rename would replace a read-only file as easily as any other: whoever made it
    // read-only meant it to stay.
    if (replacing && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return std::nullopt;

    // A name nobody else holds, created here and now: never a leftover of an earlier crash,
    // and never a symbolic link planted in its place.
    std::string temporary;
    int fd = -1;
    std::random_device random;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = (directory / temporary_file_name(random())).string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return std::nullopt;
    }
    if (fd < 0) return std::nullopt;

    bool written = !replacing || ::fchmod(fd, (old_file.st_mode & 07777) | S_IRUSR | S_IWUSR) == 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) continue;
        written = count > 0;
        if (written) done += static_cast<std::size_t>(count);
    }
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return temporary;
}

// The rename lives in the directory: flushed too, so a power cut cannot undo it.
bool flush_directory_of(const std::string& path) {
    std::filesystem::path directory = std::filesystem::path(path).parent_path();
    if (directory.empty()) directory = ".";
    const int directory_fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory_fd < 0) return false;
    const bool flushed = ::fsync(directory_fd) == 0 || errno == EINVAL;  // EINVAL: not supported
    ::close(directory_fd);
    return flushed;
}

}  // namespace

bool replace_file(const std::string& path, std::string_view bytes) {
    return !replace_files({{path, bytes}});
}

std::optional<std::string> replace_files(const std::vector<FileReplacement>& files) {
    std::vector<std::string> temporaries;
    for (const FileReplacement& file : files) {
        std::optional<std::string> temporary = staged(file.path, file.bytes);
        if (!temporary) {
            for (const std::string& written : temporaries) ::unlink(written.c_str());
            return file.path;
        }
        temporaries.push_back(std::move(*temporary));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (std::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0) {
            for (std::size_t left = i; left < files.size(); ++left)
                ::unlink(temporaries[left].c_str());
            return files[i].path;
        }
    }
    for (const FileReplacement& file : files) {
        if (!flush_directory_of(file.path)) return file.path;
    }
    return std::nullopt;
}

bool is_temporary_file_name(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryDigits + kTemporarySuffix.size() ||
        !name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view digits = name.substr(kTemporaryPrefix.size(), kTemporaryDigits);
    return std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f');
    });
}

void remove_temporary_files(const std::string& directory) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        std::error_code ignored;
        if (is_temporary_file_name(entry.path().filename().string()) &&
            entry.is_regular_file(ignored) && !entry.is_symlink(ignored))
            std::filesystem::remove(entry.path(), ignored);
    }
}

bool unreadable_file(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return true;
    ::close(fd);
    return false;
}

std::optional<std::string> move_aside(const std::string& path, const std::string& stem,
                                      const std::string& extension) {
    const std::filesystem::path directory = std::filesystem::path(path).parent_path();
    for (int number = 1; number < 1000; ++number) {
        const std::string name =
            stem + (number == 1 ? "" : "-" + std::to_string(number)) + extension;
        const std::string aside = (directory / name).string();
        struct stat taken {};
        if (::lstat(aside.c_str(), &taken) == 0) continue;
        if (std::rename(path.c_str(), aside.c_str()) != 0) return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

std::string_view without_byte_order_mark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

FileLines read_lines(const std::string& path) {
    FileLines result;
    result.exists = file_exists(path);
    if (!result.exists) return result;
    const std::optional<std::string> bytes = read_file(path);
    if (!bytes) return result;
    result.readable = true;
    result.lines = split_lines(without_byte_order_mark(*bytes));
    return result;
}

}  // namespace zelora
