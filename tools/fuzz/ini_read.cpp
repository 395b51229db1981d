// Arbitrary bytes as an INI file: every read ends, stays within the value limit and parses integers
// without overflow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzzfile.h"
#include "platform/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniFile ini(WriteFuzzFile("read.ini", bytes));

    // The board's own names, and names taken from the input so that its own sections and keys are hit.
    const std::size_t cut = bytes.find('\n');
    const std::string_view first = bytes.substr(0, cut);
    const std::string_view second =
        cut == std::string_view::npos ? std::string_view() : bytes.substr(cut + 1, 64);
    const std::string_view sections[] = {"Setting", first.substr(0, 64), second.substr(0, second.find('='))};
    const std::string_view keys[] = {"Poru", "Count", "Color", second.substr(0, second.find('='))};
    for (const std::string_view section : sections) {
        for (const std::string_view key : keys) {
            if (ini.ReadString(section, key, "").size() > IniFile::kMaxValueLength) std::abort();
            (void)ini.ReadInteger(section, key, 0);
        }
    }
    return 0;
}
