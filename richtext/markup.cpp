#include "richtext/markup.h"

MarkupArgument ReadMarkupArgument(std::string_view rest) {
    if (rest.empty()) return {};
    if (rest[0] != '(') return {std::string(1, rest[0]), 1};
    int depth = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '(') {
            ++depth;
        } else if (rest[i] == ')' && --depth == 0) {
            return {std::string(rest.substr(1, i - 1)), i + 1};
        }
    }
    return {std::string(rest.substr(1)), rest.size()};
}

char MarkupCodeChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string CutMarkup(std::string_view text, std::size_t max) {
    if (text.size() <= max) return std::string(text);
    std::string_view kept = text.substr(0, max);
    for (std::size_t i = 0; i < kept.size();) {
        if (kept[i] != '\\') {
            ++i;
        } else if (i + 1 < kept.size() && kept[i + 1] != '\'') {
            i += 2;  // a control symbol, or the start of a control word
        } else if (i + 4 <= kept.size()) {
            i += 4;
        } else {
            kept = kept.substr(0, i);
        }
    }
    return std::string(kept);
}

FractionParts SplitFraction(std::string_view argument) {
    FractionParts parts;
    if (!argument.empty() && argument[0] >= 1 && argument[0] <= 9) {
        parts.tabs = argument[0];
        argument.remove_prefix(1);
    }
    parts.denominator = argument;
    if (const std::size_t slash = argument.find('/'); slash != std::string_view::npos) {
        parts.numerator = argument.substr(0, slash);
        parts.denominator = argument.substr(slash + 1);
    }
    return parts;
}
