#pragma once
// What the versions window asks: how many versions of the worksheet (2 to 26, one letter
// each) and the batch's seed, read from the texts the teacher typed.

#include <cstdint>
#include <string>
#include <string_view>

constexpr int kVersionsMin = 2;
constexpr int kVersionsMax = 26;

// The number of versions proposed by the versions window: the last one chosen, kept in zorvi.ini.
extern int VersionCount;

// Reads both texts (blanks around a number allowed); on a fault returns false with the
// Spanish message that the window shows, and the id of the field to correct.
bool ReadVersionsChoice(std::string_view countText, std::string_view seedText, int& count, uint32_t& seed,
                        std::string& problem, int& field);

// Control ids of the versions window.
enum : int {
    kIdVersionCount = 100,
    kIdVersionSeed = 101,
};
