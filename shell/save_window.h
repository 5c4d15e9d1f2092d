#pragma once
// The save window "desarserie" of the export: file name, document title, presentation and
// whether the answers start a page of their own.

#include <cstdint>
#include <string>

// Proposes the four settings; on "&Aceptar" stores the edited ones and returns true.
bool SaveSeriesWindow(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                      bool& answersOnNewPage);

// Control ids: 100 to 104, in this order.
enum : int { kIdExportName = 100, kIdDocumentTitle, kIdStatementThenAnswer, kIdBlocks, kIdAnswersOnNewPage };
static_assert(kIdAnswersOnNewPage == 104);
