#pragma once
// The hint window "posarpista" ("Poner pista..."): where the comment of the exercises
// offered from now on goes. Exercises already in the batch keep theirs.

// On "Ok", DefaultHintPlacement becomes the checked choice.
void HintWindow();

// Control ids.
enum : int {
    kIdPlaceNowhere = 100,     // "no poner"; the next two follow the order of HintPlacement
    kIdPlaceInStatement = 101,  // "en enunciado"
    kIdPlaceInAnswer = 102,     // "en respuesta"
    kIdPlaceFrame = 103,
};
