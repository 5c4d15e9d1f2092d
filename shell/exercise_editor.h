#pragma once
// The exercise editor "contingutprob": one exercise painted as it will read, above three
// fields in which the user rewrites its statement, answer and comment, and three radio
// buttons for the comment's place. Its working copy goes back only on "Aceptar".

#include "shell/batch.h"

// True, with the edited record, when the user accepts; false (the record untouched) when
// the user cancels or closes the window.
bool EditExercise(ExerciseRecord& record);

// Whether the editor is open.
bool ExerciseEditorOpen();

// Control ids.
enum : int {
    kIdStatementEdit = 101,
    kIdAnswerEdit = 102,
    kIdHintEdit = 103,
    kIdHintNowhere = 104,      // "no poner"; the next two follow the order of HintPlacement
    kIdHintInStatement = 105,  // "en enunciado"
    kIdHintInAnswer = 106,     // "en respuesta"
};
