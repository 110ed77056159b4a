// The command-line splitter against a model written from Windows' documented rules for
// CommandLineToArgvW, on arbitrary UTF-16 lines (the input's bytes taken two at a time).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "base/command_line.h"

namespace {

bool blank(char16_t c) { return c == u' ' || c == u'\t'; }

// The rules run by run rather than character by character: n backslashes before a run of k quotes
// give n/2 backslashes; an odd n makes the first quote literal. Counting the quote state q (0 or 1)
// together with the run's remaining quotes, every third one is a literal quote and what is left
// over (1 or not) is the new state.
std::vector<std::u16string> model_split(std::u16string_view line) {
    std::vector<std::u16string> out(1);
    size_t i = 0;
    for (bool quoted = false; i < line.size(); ++i) {
        if (line[i] == u'"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && blank(line[i])) break;
        out[0] += line[i];
    }
    std::u16string current;
    bool in_argument = false;
    size_t quote = 0;
    while (i < line.size()) {
        if (blank(line[i]) && quote == 0) {
            if (in_argument) out.push_back(current);
            current.clear();
            in_argument = false;
            ++i;
            continue;
        }
        in_argument = true;
        size_t backslashes = 0;
        while (i < line.size() && line[i] == u'\\') ++backslashes, ++i;
        size_t quotes = 0;
        while (i < line.size() && line[i] == u'"') ++quotes, ++i;
        if (quotes == 0) {
            current.append(backslashes, u'\\');
            if (i < line.size() && !(blank(line[i]) && quote == 0)) current += line[i++];
            continue;
        }
        current.append(backslashes / 2, u'\\');
        size_t total = quote + quotes;
        if (backslashes % 2 == 1) {
            current += u'"';
            --total;
        }
        current.append(total / 3, u'"');
        quote = total % 3 == 1 ? 1 : 0;
    }
    if (in_argument) out.push_back(current);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string line(size / 2, u'\0');
    std::memcpy(line.data(), data, line.size() * 2);
    const auto args = split_command_line(line);
    FUZZ_CHECK(args == model_split(line));
    const auto first = first_argument(line);
    FUZZ_CHECK(first.has_value() == (args.size() > 1));
    FUZZ_CHECK(!first || *first == args[1]);
    return 0;
}
