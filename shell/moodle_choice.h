#pragma once
// What the Moodle window asks: how many variants of each exercise the quiz holds and the
// tolerance of its numeric answers, read from the texts the teacher typed.

#include <string>
#include <string_view>

constexpr double kMoodleToleranceMax = 50;  // percent: beyond it nearly any answer would pass

// Reads both texts (blanks around a number allowed; the tolerance with a decimal point or
// comma); on a fault returns false with the Spanish message that the window shows, and the
// id of the field to correct.
bool ReadMoodleChoice(std::string_view variantsText, std::string_view toleranceText, int& variants,
                      double& tolerancePercent, std::string& problem, int& field);

// The tolerance as the window proposes it: "2", "2,5" (a comma under the decimal-comma option).
std::string ToleranceText(double tolerancePercent);

// Control ids of the Moodle window.
enum : int {
    kIdMoodleVariants = 100,
    kIdMoodleTolerance = 101,
};
