#pragma once
// The two element data windows, modal dialogs made from the program's dialog templates:
// the list of atomic masses ("ELEMENTS") and the element editor ("EDELEMENTS"). Each
// reloads elements.dat when it opens; only the editor writes it.

// Controls of the atomic masses list.
constexpr int kIdMassList = 101;

// Controls of the element editor.
constexpr int kIdElementList = 100;
constexpr int kIdElementName = 120;
constexpr int kIdElementSymbol = 121;
constexpr int kIdElementMass = 122;
constexpr int kIdElementZ = 123;
constexpr int kIdElementAccept = 3;  // "Acepta"
constexpr int kIdElementNew = 4;     // "Nuevo"

// Shows the atomic masses of the table, sorted by symbol, until the user closes it.
void ShowElementsWindow();

// The element editor: view, search, change, add and save elements; returns when it closes.
void ShowElementEditor();
