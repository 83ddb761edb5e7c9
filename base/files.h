#pragma once
// The program's text files: byte-exact, read line by line, replaced atomically.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelora {

// The file `name` in `directory`, joined with the platform's separator.
std::string path_in(const std::string& directory, const std::string& name);

bool file_exists(const std::string& path);

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> read_file(const std::string& path);

// The lines of a text, each without its line end. CR LF, a bare LF and a bare CR all end a
// line; a text ending with a line end has no empty last line.
std::vector<std::string> split_lines(std::string_view text);

// Replaces the file with `bytes`: written to a temporary file of a unique name beside it (keeping
// the old file's permission bits, never taking away the owner's reading and writing), flushed to
// disk, renamed over the old one, then the directory flushed, so a crash or a power cut leaves
// either the old file or the new one. A file this process may not write (read-only) is not
// replaced: false, and it stays as it is.
bool replace_file(const std::string& path, std::string_view bytes);

// Replaces several files together, as replace_file does one: every new file is written and
// flushed beside its old one first, and only when all of them are written are they renamed over
// the old ones, so a file that cannot be written (a full disk, a folder or a file in the way)
// leaves every file as it was (only a rename failing after others, a disk error, cannot be
// undone). The path of the file that failed; nothing when all were replaced.
struct FileReplacement {
    std::string path;
    std::string_view bytes;
};
std::optional<std::string> replace_files(const std::vector<FileReplacement>& files);

// The text without a UTF-8 byte-order mark at its start: some editors save one, and it is not
// part of the first line.
std::string_view without_byte_order_mark(std::string_view text);

// The names replace_file gives its temporary files: ".zelora-" + 8 hex digits + ".tmp", short
// whatever the file's own name, so that a name of the longest length the system allows saves.
bool is_temporary_file_name(std::string_view name);
// Removes the temporary files an interrupted save left in `directory`: only plain files with
// exactly those names.
void remove_temporary_files(const std::string& directory);

// True when `path` is a plain file that exists but cannot be opened for reading.
bool unreadable_file(const std::string& path);
// Renames the file to the first name of `stem` + "" / "-2" / "-3"... + `extension` that is free
// in its directory. The new path, or nothing when it could not be renamed.
std::optional<std::string> move_aside(const std::string& path, const std::string& stem,
                                      const std::string& extension);

// The lines of a file that may be missing: nothing when it is missing or cannot be read, the
// lines when it was read. A UTF-8 byte-order mark at the start is not part of the first line.
struct FileLines {
    bool exists = false;
    bool readable = false;
    std::vector<std::string> lines;
};
FileLines read_lines(const std::string& path);

}  // namespace zelora
