#pragma once
// What the two element data windows show, and how the element editor changes the table of
// elements. The windows only move texts between their controls and these operations;
// refusals and questions reach the user here, through the message boxes.

#include <string>

#include "chemistry/elements.h"

// A line of the atomic masses list: the symbol, blanks up to 10 characters, the mass
// in the exercise form ("Cl        35.45").
std::string MassListLine(const Element& element);

// A line of the element editor's list: the symbol in 4 characters, the name, two blanks,
// the atomic number in 3 ("Cl  Cloro   17").
std::string EditorListLine(const Element& element);

// The texts of the editor's four edit fields.
struct ElementFields {
    std::string name;    // edit 120
    std::string symbol;  // edit 121
    std::string mass;    // edit 122
    std::string z;       // edit 123
};

// The fields that show slot `slot`: an empty mass or z for 0. A slot past the table's
// room (the table is full and the user asked for a new element) shows empty fields.
ElementFields FieldsOfSlot(int slot);

// The element editor's state, alive while it is open.
struct ElementEditorState {
    int selected = 0;       // the slot that the fields show and "Acepta" writes
    bool modified = false;  // "Acepta" has changed the table since the editor opened
};
extern ElementEditorState ElementEditing;

// Opening: reloads elements.dat, blanks every free slot and selects the first of them.
void StartElementEditing();

// The fields now show slot `slot`: "Acepta" writes there.
void SelectElementSlot(int slot);

// "Acepta": writes the fields into the selected slot, appending it when it is the first
// free one, and sets `modified`. A mass text left as shown keeps the slot's exact mass.
// Refused, with a message and nothing changed, when a new element finds the table full,
// the symbol is empty, Z is not a whole number from 0 to 65535, or the mass is not a
// number or is negative.
bool AcceptElementFields(const ElementFields& fields);

// The search of the symbol field: the first slot whose symbol is exactly `typed`; 0 after
// telling the user that no element has it.
int SearchElementSymbol(const std::string& typed);

// "Ok": saves when something changed. False, with the editor to stay open, when the save failed.
bool FinishElementEditing();

// "Salir": asks whether to save when something changed. True when the editor may close.
bool LeaveElementEditing();
