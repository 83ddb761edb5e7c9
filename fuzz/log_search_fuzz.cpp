// The search the callsign box runs over the log, against a plain scan of the log, as QSOs are
// logged, corrected and logged again. The input is cut at NUL bytes into the callsigns logged
// (one a line), the corrections (lines "<0-based QSO> <callsign>"; "-" starts a new log), more
// callsigns logged, and the texts typed (one a line).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/files.h"
#include "core/log_search.h"
#include "fuzz_support.h"

namespace zelora {
namespace {

QsoRecord worked(std::string callsign) {
    QsoRecord qso;
    qso.callsign = std::move(callsign);
    return qso;
}

// The most recent QSOs of different callsigns containing `text`, the plain way.
std::vector<std::size_t> scanned(const QsoIndex& index, const std::string& text,
                                 std::size_t limit) {
    std::vector<std::size_t> found;
    if (text.size() < kShortestPartialText) return found;
    std::unordered_set<std::string> listed;
    for (std::size_t qso = index.qsos().size(); qso-- > 0 && found.size() < limit;) {
        const std::string& callsign = index.qsos()[qso].callsign;
        if (callsign.find(text) != std::string::npos && listed.insert(callsign).second)
            found.push_back(qso);
    }
    return found;
}

// Every piece of every typed line, with a limit of one, of a partial list, and of all.
void check(LogSearch& search, const QsoIndex& index, const std::vector<std::string>& typed) {
    search.sync(index);
    for (const std::string& line : typed) {
        for (std::size_t at = 0; at < line.size() && at < 16; ++at) {
            for (std::size_t length = 1; at + length <= line.size() && length <= 16; ++length) {
                const std::string text = line.substr(at, length);
                for (const std::size_t limit :
                     {std::size_t{1}, std::size_t{10}, index.qsos().size()})
                    FUZZ_CHECK(search.containing(text, limit) == scanned(index, text, limit));
            }
        }
        std::optional<std::size_t> last;
        for (std::size_t qso = 0; qso < index.qsos().size(); ++qso) {
            if (index.qsos()[qso].callsign == line) last = qso;
        }
        FUZZ_CHECK(search.last_qso_of(line) == last);
    }
}

}  // namespace
}  // namespace zelora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    const std::vector<std::string> input = fuzz::pieces(data, size, 4);
    const std::vector<std::string> typed = split_lines(input[3]);
    QsoIndex index;
    LogSearch search;
    for (const std::string& callsign : split_lines(input[0])) index.add(worked(callsign));
    check(search, index, typed);
    for (const std::string& line : split_lines(input[1])) {
        if (line == "-") {
            index.clear();
            continue;
        }
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) continue;
        index.replace(std::strtoul(line.c_str(), nullptr, 10), worked(line.substr(space + 1)));
    }
    check(search, index, typed);
    for (const std::string& callsign : split_lines(input[2])) index.add(worked(callsign));
    check(search, index, typed);
    return 0;
}
