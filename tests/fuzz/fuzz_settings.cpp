// zorvi.ini as anything may have left it: ParseSettings on any bytes. What it reads, once
// written and read again, is a fixed point: the same options, the same kept lines, the same
// CRLF text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/settings.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings read = ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(read.exportName.size() <= kSettingTextMax && read.documentTitle.size() <= kSettingTextMax);
    const std::string text = SettingsText(read);
    for (std::size_t at = text.find_first_of("\r\n"); at != std::string::npos; at = text.find_first_of("\r\n", at + 2)) {
        Check(text.compare(at, 2, "\r\n") == 0);  // every line ends in CRLF, and nothing else breaks one
    }
    const Settings again = ParseSettings(text);
    Check(SameOptions(again, read));
    Check(again.exportName == read.exportName && again.documentTitle == read.documentTitle);
    Check(again.otherLines == read.otherLines);
    Check(SettingsText(again) == text);
    return 0;
}
