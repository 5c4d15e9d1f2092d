#pragma once
// The reaction window "triareaccio": the reactions of reacciones.txt in a list, of which the
// teacher picks one by a click (or at once by a double click), and a field where another
// can be typed. The window only chooses a text; the stoichiometry topic reads and checks it.

#include <string>
#include <vector>

// True, with the chosen or typed reaction, when the teacher accepts; false, `text`
// unchanged, otherwise. `text` comes in as the reaction to propose: its line is selected
// when the list holds it, and with nothing proposed the first line is.
bool ChooseReactionWindow(const std::vector<std::string>& reactions, std::string& text);

// Control ids.
enum : int {
    kIdReactionList = 101,
    kIdReactionText = 102,
};
