#pragma once
// The save window "desarserie" of the export: file name, document title, presentation and
// whether the answers start a page of their own.

#include <cstdint>
#include <string>

// Proposes the four settings; on "&Aceptar" stores the edited ones and returns true.
bool SaveSeriesWindow(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                      bool& answersOnNewPage);

// Control ids.
enum : int {
    kIdExportName = 100,
    kIdDocumentTitle = 101,
    kIdStatementThenAnswer = 102,
    kIdBlocks = 103,
    kIdAnswersOnNewPage = 104,
};
