#pragma once
// The menu's "Exportar a &Moodle...": the windows of the command around the quiz file of
// shell/moodle.h, whose variants are the versions of the worksheet.

// The save window when the batch was never exported, the Moodle window, then the file
// Exerc\<name>.xml written and how to import it told, or nothing written at all.
void ExportMoodleQuiz();
