// Exercise markup into RTF: MarkupToRtf and the cut that keeps its result within 255
// characters without splitting a control word or leaving a group open, and a document's
// line, which is never cut.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "richtext/markup.h"
#include "richtext/rtf_writer.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Groups of the RTF, escapes and control symbols skipped; false when one closes unopened.
bool GroupsBalance(std::string_view rtf, std::size_t& open) {
    open = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // "\{", "\}" and "\\" are characters, and the "'" of an escape is no brace
        } else if (rtf[i] == '{') {
            ++open;
        } else if (rtf[i] == '}') {
            if (open == 0) return false;
            --open;
        }
    }
    return true;
}

// The RTF does not end inside a "\'hh" escape or with a lone backslash.
bool EndsWhole(std::string_view rtf) {
    const std::size_t n = rtf.size();
    if (n >= 1 && rtf[n - 1] == '\\') {
        std::size_t slashes = 0;
        while (slashes < n && rtf[n - 1 - slashes] == '\\') ++slashes;
        if (slashes % 2 == 1) return false;
    }
    if (n >= 2 && rtf[n - 2] == '\\' && rtf[n - 1] == '\'') return false;
    if (n >= 3 && rtf[n - 3] == '\\' && rtf[n - 2] == '\'') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view markup(reinterpret_cast<const char*>(data), size);

    const std::string rtf = MarkupToRtf(markup);
    Check(rtf.size() <= kRtfTextMax);
    // Braces and backslashes of the text's own go through as they are; without them,
    // every group that the conversion opens is closed, even in a cut result.
    if (markup.find_first_of("{}\\") == std::string_view::npos) {
        std::size_t open = 0;
        Check(GroupsBalance(rtf, open) && open == 0);
        Check(EndsWhole(rtf));
    }

    // What a document's line holds: a bold number joined to the text, converted whole; a
    // text that fits the limits gives exactly MarkupToRtf's bytes.
    static const std::string header = [] {
        BeginRtfInMemory();
        const std::string empty = EndRtfInMemory();
        return empty.substr(0, empty.size() - 3);  // without the closing "}\r\n"
    }();
    const std::string number = RtfBold("12) ");
    BeginRtfInMemory();
    WriteMarkupLine(number + std::string(markup));
    const std::string document = EndRtfInMemory();
    const std::string start = header + number;
    const std::string_view end = "\\line }\r\n";
    Check(document.size() >= start.size() + end.size() && document.compare(0, start.size(), start) == 0 &&
          document.compare(document.size() - end.size(), end.size(), end) == 0);
    const std::string line = document.substr(start.size(), document.size() - start.size() - end.size());
    if (markup.size() <= kMarkupTextMax && line.size() <= kRtfTextMax) Check(line == rtf);
    if (markup.find_first_of("{}\\") == std::string_view::npos) {
        std::size_t open = 0;
        Check(GroupsBalance(line, open) && open == 0);
        Check(EndsWhole(line));
    }

    // The cut alone, at every limit, on RTF the program made.
    const std::size_t max = size == 0 ? 0 : data[0];
    const std::string cut = CutRtf(rtf, max);
    Check(cut.size() <= max || rtf.size() <= max);
    std::size_t open = 0;
    if (markup.find_first_of("{}\\") == std::string_view::npos) {
        Check(GroupsBalance(cut, open) && open == 0);
        Check(EndsWhole(cut));
    }
    Check(CutRtf(markup, kRtfTextMax).size() <= kRtfTextMax);

    RtfFraction(markup);
    RtfRoot(markup);
    RtfRows(markup);
    return 0;
}
