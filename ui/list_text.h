#pragma once
// How the list helpers split their ";"-separated texts (cut to 255 characters first):
// an empty text gives no piece; a ";" at the very end gives a last, empty piece.

#include <string>
#include <vector>

std::vector<std::string> SplitListText(const std::string& text);
