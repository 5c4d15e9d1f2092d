#pragma once
// The options that outlive a run, kept in "zorvi.ini" beside elements.dat (the current
// folder): Windows-1252 "clave=valor" lines ending in CRLF. The file is read at start-up
// and written, atomically, whenever one of the options changes; nothing is written while
// none does. A missing, unreadable or partly wrong file is never an error: keys this
// version does not know and values it cannot read are left out and the defaults stand
// (the lines of unknown keys are written back as they were). A file that cannot be
// written is told to the user once per run; the options still hold for the run.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/batch.h"
#include "shell/versions_choice.h"
#include "util/exercise_numbers.h"

constexpr char kSettingsFile[] = "zorvi.ini";
// The longest name or title kept: what the save window's fields give.
constexpr std::size_t kSettingTextMax = 254;

// "Coma decimal" and "Cifras significativas", read by the generators as they write.
extern NumberStyle NumberOptions;

// Every remembered option, each starting at the program's own default.
struct Settings {
    bool askConfirmation = true;                       // "Preguntar conformidad"
    HintPlacement hintPlacement = HintPlacement::None;  // "poner pistas"
    NumberStyle numbers;
    std::string exportName;    // the last export's file name
    std::string documentTitle;
    int32_t presentation = 1;  // 0 each answer after its statement, 1 statements then answers
    bool answersOnNewPage = false;  // "respuestas en página aparte"
    int versionCount = kVersionsMin;  // proposed by the versions window

    std::vector<std::string> otherLines;  // lines of unknown keys, kept as read
};

// The options alone are compared; the kept lines are not.
bool SameOptions(const Settings& a, const Settings& b);

// The file's text read over the defaults.
Settings ParseSettings(std::string_view text);
// The file's text: a comment line, one line per option, then the kept lines; CRLF.
std::string SettingsText(const Settings& settings);

// The options in force in the program, and setting them.
Settings ProgramSettings();
void ApplySettings(const Settings& settings);

// Start-up: the defaults, then what the file holds.
void LoadSettings();
// After any option may have changed: writes the file when the options differ from what it
// was last read or written with. A failure is told once per run, unless the caller has its
// own message for the folder (tellFailure false).
void RememberSettings(bool tellFailure = true);
