#pragma once
// The two element data windows, modal dialogs made from the program's dialog templates:
// the list of atomic masses ("ELEMENTS") and the element editor ("EDELEMENTS"). Each
// reloads elements.dat when it opens; only the editor writes it.

#include "resources/resource_ids.h"

// Controls of the atomic masses list.
constexpr int kIdMassList = IDC_MASS_LIST;

// Controls of the element editor.
constexpr int kIdElementList = IDC_ELEMENT_LIST;
constexpr int kIdElementName = IDC_ELEMENT_NAME;
constexpr int kIdElementSymbol = IDC_ELEMENT_SYMBOL;
constexpr int kIdElementMass = IDC_ELEMENT_MASS;
constexpr int kIdElementZ = IDC_ELEMENT_Z;
constexpr int kIdElementAccept = IDC_ELEMENT_ACCEPT;  // "Acepta"
constexpr int kIdElementNew = IDC_ELEMENT_NEW;        // "Nuevo"

// Shows the atomic masses of the table, sorted by symbol, until the user closes it.
void ShowElementsWindow();

// The element editor: view, search, change, add and save elements; returns when it closes.
void ShowElementEditor();
