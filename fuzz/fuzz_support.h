#pragma once
// What every harness shares: one program directory for the whole run, emptied before each
// input, and the cutting of one input into several files or fields.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/fakes.h"

namespace zelora::fuzz {

inline testing::FakePlatform& fresh_platform() {
    static testing::FakePlatform fake;
    for (const auto& entry : std::filesystem::directory_iterator(fake.dir.path())) {
        std::filesystem::remove_all(entry.path());
    }
    fake.messages.shown.clear();
    return fake;
}

// `count` pieces of the input, cut at its first NUL bytes; pieces past the end are empty.
inline std::vector<std::string> pieces(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> result;
    while (result.size() + 1 < count) {
        const std::size_t nul = rest.find('\0');
        result.emplace_back(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    result.emplace_back(rest);
    return result;
}

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace zelora::fuzz

// A property every input must keep; a broken one aborts, which both libFuzzer and the
// replay report.
#define FUZZ_CHECK(condition) \
    ((condition) ? void() : ::zelora::fuzz::fail(#condition, __FILE__, __LINE__))
