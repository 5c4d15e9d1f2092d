#pragma once
// The generation window "problmen": a topic's sub-kinds, of which the user picks the next
// one to generate. It re-seeds the random source before every message, so the draws of
// the next exercise depend on the moment the user answers.

#include <cstdint>
#include <string>

extern std::string SubKindList;     // the current topic's sub-kinds, ";"-separated
extern uint8_t LastSubKind;         // the line chosen last, in any topic (0: none yet)
extern uint16_t CaseCount;          // the number field; no generator reads it
extern std::string CaseCountFlags;  // "1" at position i: sub-kind i allows the number field

// The chosen sub-kind (from 1), or 0 when the user leaves.
uint8_t ChooseSubKind(const std::string& subKinds);

// Control ids.
enum : int {
    kIdSubKindList = 101,
    kIdCaseCount = 102,
    kIdCaseUp = 3,
    kIdCaseDown = 4,
};
