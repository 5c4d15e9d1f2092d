#include "util/strings.h"

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return std::string(text.substr(0, end));
}

std::string TrimText(std::string_view text) {
    std::string right = TrimRight(text);
    std::size_t begin = 0;
    while (begin < right.size() && right[begin] == ' ') ++begin;
    return right.substr(begin);
}

std::string RepeatChar(char c, uint16_t count) { return std::string(count, c); }

std::string Spaces(uint16_t count) { return RepeatChar(' ', count); }

std::size_t LastCharPos(char c, std::string_view text) {
    std::size_t pos = text.rfind(c);
    return pos == std::string_view::npos ? 0 : pos + 1;
}

std::string UpToCloseParen(std::string_view text) {
    int depth = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')' && --depth == 0) {
            return std::string(text.substr(0, i));
        }
    }
    return {};
}

std::string CutText(std::string_view text, std::size_t max) {
    return std::string(text.substr(0, max));
}

std::string BaseNameOf(std::string_view path) {
    std::string name(path.substr(LastCharPos('\\', path)));
    const std::size_t dot = LastCharPos('.', name);
    if (dot > 0) name.resize(dot - 1);
    return name;
}

std::string FitPath(std::string_view path, std::size_t max) {
    if (path.size() <= max) return std::string(path);
    constexpr std::string_view kGap = "...";
    constexpr std::size_t kHead = 3;
    if (max < kHead + kGap.size() + 1) return CutText(path, max);
    std::string_view tail = path.substr(path.size() - (max - kHead - kGap.size()));
    // The tail starts at a folder's name when one begins in it.
    if (const std::size_t separator = tail.find_first_of("\\/"); separator != std::string_view::npos) {
        tail = tail.substr(separator);
    }
    return std::string(path.substr(0, kHead)) + std::string(kGap) + std::string(tail);
}
