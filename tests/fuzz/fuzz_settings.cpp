// zorvi.ini as anything may have left it: ParseSettings on any bytes. What it reads, once
// written and read again, is a fixed point: the same options, the same kept lines, the same
// CRLF text (unless the written bytes read as UTF-8).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/settings.h"
#include "util/text_encoding.h"

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
    // Bytes that happen to be UTF-8 (a title "\xC3\xA9" typed as two letters) read as a file
    // that Notepad saved: what the program wrote is read back as written only otherwise.
    if (FindTextEncoding(text).utf8) return 0;
    const Settings again = ParseSettings(text);
    Check(SameOptions(again, read));
    Check(again.exportName == read.exportName && again.documentTitle == read.documentTitle);
    Check(again.otherLines == read.otherLines);
    Check(SettingsText(again) == text);
    return 0;
}
