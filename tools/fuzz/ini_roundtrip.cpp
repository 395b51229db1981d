// Arbitrary keys and values written into an arbitrary file and stored: each reads back as written, and
// every line of the old file is still there, in its place, byte for byte (only the written keys' values
// change, and a last line may gain a line end before new lines).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzzfile.h"
#include "platform/inifile.h"

namespace {

struct Line {
    std::string_view text;
    std::string_view end;
};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t brk = bytes.find_first_of("\r\n");
        if (brk == std::string_view::npos) {
            lines.push_back({bytes, {}});
            break;
        }
        const std::size_t length = bytes.substr(brk).starts_with("\r\n") ? 2 : 1;
        lines.push_back({bytes.substr(0, brk), bytes.substr(brk, length)});
        bytes.remove_prefix(brk + length);
    }
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Names and values that a reader gives back as they were written; others are not written.
bool plainText(std::string_view s, std::string_view forbidden) {
    return s.find_first_of(forbidden) == std::string_view::npos &&
           (s.empty() || (!isBlank(s.front()) && !isBlank(s.back())));
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    struct Write {
        std::string section, key, value;
    };
    std::vector<Write> writes;
    for (int n = input.ConsumeIntegralInRange(0, 4); n > 0; --n) {
        Write w{input.ConsumeRandomLengthString(16), input.ConsumeRandomLengthString(16),
                input.ConsumeRandomLengthString(64)};
        if (w.section.empty() || !plainText(w.section, std::string_view("\r\n]", 3))) continue;
        if (w.key.empty() || !plainText(w.key, std::string_view("\r\n=", 3)) || w.key[0] == ';' ||
            w.key[0] == '[')
            continue;
        if (!plainText(w.value, std::string_view("\r\n", 2))) continue;
        writes.push_back(std::move(w));
    }
    const std::string before = input.ConsumeRemainingBytesAsString();
    const QString path = WriteFuzzFile("roundtrip.ini", before);

    std::map<std::pair<std::string, std::string>, std::string> expected;
    {
        IniFile ini(path);
        for (const Write& w : writes) {
            ini.WriteString(w.section, w.key, w.value);
            expected[{lower(w.section), lower(w.key)}] = w.value;
        }
        ini.Close();
    }
    const IniFile reread(path);
    for (const auto& [names, value] : expected)
        if (reread.ReadString(names.first, names.second, "\x01missing") != value) std::abort();

    std::ifstream stream(path.toLocal8Bit().constData(), std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (writes.empty() && after != before && !(before.empty() && after.empty())) std::abort();

    const std::size_t bom = std::string_view(before).starts_with(kBom) ? kBom.size() : 0;
    if (std::string_view(after).substr(0, bom) != std::string_view(before).substr(0, bom)) std::abort();
    const std::vector<Line> old = splitLines(std::string_view(before).substr(bom));
    const std::vector<Line> now = splitLines(std::string_view(after).substr(bom));
    // A new line is a section header or a key with its last written value. Names match without case: a
    // key written twice in different case is one key, spelt as first written.
    auto inserted = [&](const Line& line) {
        const std::string text = lower(line.text);
        for (const Write& w : writes) {
            const std::string head = lower(w.key) + '=';
            if (text == '[' + lower(w.section) + ']') return true;
            if (text.starts_with(head) &&
                line.text.substr(head.size()) == expected.at({lower(w.section), lower(w.key)}))
                return true;
        }
        return false;
    };
    std::size_t j = 0;
    for (std::size_t i = 0; i < old.size(); ++i) {
        const bool last = i + 1 == old.size();
        for (;; ++j) {
            if (j == now.size()) std::abort();
            const bool sameEnd = now[j].end == old[i].end || (last && old[i].end.empty());
            const std::size_t eq = old[i].text.find('=');
            const bool replaced =
                eq != std::string_view::npos && now[j].text.starts_with(old[i].text.substr(0, eq + 1));
            if (sameEnd && (now[j].text == old[i].text || replaced)) break;
            if (!inserted(now[j])) std::abort();
        }
        ++j;
    }
    for (; j < now.size(); ++j)
        if (!inserted(now[j])) std::abort();
    return 0;
}
