#pragma once
// The reaction window "triareaccio": the reactions of reacciones.txt in a list, of which the
// teacher picks one by a click (or at once by a double click), and a field where another
// can be typed. The window only chooses a text; the stoichiometry topic reads and checks it.
// The topics of the constants use the same window for the lines of constantes.txt.

#include <string>
#include <vector>

// True, with the chosen or typed reaction, when the teacher accepts; false, `text`
// unchanged, otherwise. `text` comes in as the reaction to propose: its line is selected
// when the list holds it, and with nothing proposed the first line is.
bool ChooseReactionWindow(const std::vector<std::string>& reactions, std::string& text);

// The same window under `caption` ("Elegir ácido"), for a line of constantes.txt: a substance
// or an equilibrium, picked or typed; the topic checks that a typed one is on the list.
bool ChooseFromListWindow(const std::string& caption, const std::vector<std::string>& items, std::string& text);

// Control ids.
enum : int {
    kIdReactionList = 101,
    kIdReactionText = 102,
};
