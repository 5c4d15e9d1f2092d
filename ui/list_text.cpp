#include "ui/list_text.h"

#include "util/strings.h"

std::vector<std::string> SplitListText(const std::string& full) {
    const std::string text = CutText(full, 255);
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = text.find(';', start);
        if (semicolon == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, semicolon - start));
        start = semicolon + 1;
    }
}
