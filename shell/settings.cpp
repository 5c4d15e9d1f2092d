#include "shell/settings.h"

#include <cerrno>
#include <utility>

#include "shell/export.h"
#include "shell/messages.h"
#include "util/atomic_file.h"
#include "util/files.h"
#include "util/number_format.h"
#include "util/strings.h"
#include "util/text_encoding.h"

NumberStyle NumberOptions;

namespace {

// A file bigger than this is no settings file of ours: its beginning is read, no more.
constexpr std::size_t kReadMax = 64 * 1024;

bool g_writeFailureTold = false;
Settings g_known;  // what the file held when last read or written

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerAscii(c);
    return lower;
}

// Blanks and tabs around a value typed by hand.
std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A value that is not one of the key's own leaves the option as it was: the default.
void ReadFlag(std::string_view value, bool& flag) {
    value = Trimmed(value);
    if (value == "0" || value == "1") flag = value == "1";
}

const char* Flag(bool flag) { return flag ? "1" : "0"; }

// The index of a word in a list, read without regard to case; -1 when it is none of them.
template <std::size_t N>
int WordIndex(std::string_view value, const char* const (&words)[N]) {
    const std::string word = Lower(Trimmed(value));
    for (std::size_t i = 0; i < N; ++i) {
        if (word == words[i]) return int(i);
    }
    return -1;
}

// Plain digits within what the versions window accepts.
void ReadVersionCount(std::string_view value, int& count) {
    value = Trimmed(value);
    if (value.empty()) return;
    int read = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return;
        read = read * 10 + (c - '0');
        if (read > kVersionsMax) return;
    }
    if (read >= kVersionsMin) count = read;
}

// A text value stands for itself, blanks included, cut to what the save window holds.
std::string ReadText(std::string_view value) { return CutText(value, kSettingTextMax); }

// A line break would end the line early; the save window's fields never hold one.
std::string WrittenText(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

// The words of the hint window's buttons, and of the two presentations.
const char* const kPlacements[] = {"no poner", "en enunciado", "en respuesta"};
const char* const kPresentations[] = {"seguidos", "bloques"};

// One row per option: its key, how its value is read and how it is written.
struct Key {
    const char* name;
    void (*read)(Settings& settings, std::string_view value);
    std::string (*write)(const Settings& settings);
};

const Key kKeys[] = {
    {"preguntar_conformidad", [](Settings& s, std::string_view v) { ReadFlag(v, s.askConfirmation); },
     [](const Settings& s) -> std::string { return Flag(s.askConfirmation); }},
    {"poner_pistas",
     [](Settings& s, std::string_view v) {
         if (const int i = WordIndex(v, kPlacements); i >= 0) s.hintPlacement = HintPlacement(i);
     },
     [](const Settings& s) -> std::string {
         const int i = int(s.hintPlacement);
         return kPlacements[i >= 0 && i < 3 ? i : 0];
     }},
    {"coma_decimal", [](Settings& s, std::string_view v) { ReadFlag(v, s.numbers.decimalComma); },
     [](const Settings& s) -> std::string { return Flag(s.numbers.decimalComma); }},
    {"cifras_significativas", [](Settings& s, std::string_view v) { ReadFlag(v, s.numbers.significantFigures); },
     [](const Settings& s) -> std::string { return Flag(s.numbers.significantFigures); }},
    {"fichero", [](Settings& s, std::string_view v) { s.exportName = ReadText(v); },
     [](const Settings& s) { return WrittenText(s.exportName); }},
    {"titulo", [](Settings& s, std::string_view v) { s.documentTitle = ReadText(v); },
     [](const Settings& s) { return WrittenText(s.documentTitle); }},
    {"presentacion",
     [](Settings& s, std::string_view v) {
         if (const int i = WordIndex(v, kPresentations); i >= 0) s.presentation = i;
     },
     // Any value but 0 keeps the answers apart, as the export reads it.
     [](const Settings& s) -> std::string { return kPresentations[s.presentation == 0 ? 0 : 1]; }},
    {"respuestas_en_pagina_aparte", [](Settings& s, std::string_view v) { ReadFlag(v, s.answersOnNewPage); },
     [](const Settings& s) -> std::string { return Flag(s.answersOnNewPage); }},
    {"versiones", [](Settings& s, std::string_view v) { ReadVersionCount(v, s.versionCount); },
     [](const Settings& s) { return IntToText(s.versionCount); }},
};

const Key* FindKey(std::string_view name) {
    for (const Key& key : kKeys) {
        if (name == key.name) return &key;
    }
    return nullptr;
}

// The file's first bytes; empty when it is missing or cannot be read.
std::string ReadSettingsFile() {
    FileContent content = ReadFileBytes(kSettingsFile, kReadMax);
    return content.error == 0 || content.error == EFBIG ? std::move(content.bytes) : std::string();
}

}  // namespace

bool SameOptions(const Settings& a, const Settings& b) {
    return a.askConfirmation == b.askConfirmation && a.hintPlacement == b.hintPlacement &&
           a.numbers.decimalComma == b.numbers.decimalComma &&
           a.numbers.significantFigures == b.numbers.significantFigures && a.exportName == b.exportName &&
           a.documentTitle == b.documentTitle && (a.presentation == 0) == (b.presentation == 0) &&
           a.answersOnNewPage == b.answersOnNewPage && a.versionCount == b.versionCount;
}

Settings ParseSettings(std::string_view text) {
    Settings settings;
    // Notepad saves UTF-8, with or without its mark in front of the first key.
    const TextEncoding encoding = FindTextEncoding(text);
    text.remove_prefix(encoding.start);
    while (!text.empty()) {
        // CRLF as written, LF or a lone CR from other editors: a value never holds either.
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string_view start = Trimmed(line);
        if (start.empty() || start[0] == ';' || start[0] == '#') continue;
        std::string converted;
        if (encoding.utf8) {
            Utf8Problem problem;
            // A line that Windows-1252 cannot hold is left out, as a value that cannot be read.
            if (!Utf8ToWindows1252(line, converted, problem)) continue;
            line = converted;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string name = Lower(Trimmed(line.substr(0, equals)));
        const std::string_view value = line.substr(equals + 1);
        if (const Key* key = FindKey(name)) {
            key->read(settings, value);
        } else if (!name.empty()) {
            settings.otherLines.emplace_back(line);
        }
    }
    return settings;
}

std::string SettingsText(const Settings& settings) {
    std::string text = "; Opciones de Zorvi, escritas por el programa cada vez que cambian.\r\n";
    for (const Key& key : kKeys) text += std::string(key.name) + "=" + key.write(settings) + "\r\n";
    for (const std::string& line : settings.otherLines) text += line + "\r\n";
    return text;
}

Settings ProgramSettings() {
    Settings settings;
    settings.askConfirmation = AskConfirmation;
    settings.hintPlacement = DefaultHintPlacement;
    settings.numbers = NumberOptions;
    settings.exportName = ExportName;
    settings.documentTitle = DocumentTitle;
    settings.presentation = Presentation;
    settings.answersOnNewPage = AnswersOnNewPage;
    settings.versionCount = VersionCount;
    return settings;
}

void ApplySettings(const Settings& settings) {
    AskConfirmation = settings.askConfirmation;
    DefaultHintPlacement = settings.hintPlacement;
    NumberOptions = settings.numbers;
    ExportName = settings.exportName;
    DocumentTitle = settings.documentTitle;
    Presentation = settings.presentation;
    AnswersOnNewPage = settings.answersOnNewPage;
    VersionCount = settings.versionCount;
}

void LoadSettings() {
    g_known = ParseSettings(ReadSettingsFile());
    g_writeFailureTold = false;
    ApplySettings(g_known);
}

void RememberSettings(bool tellFailure) {
    Settings now = ProgramSettings();
    if (SameOptions(now, g_known)) return;
    now.otherLines = g_known.otherLines;
    std::string error;
    if (WriteWholeFile(kSettingsFile, SettingsText(now), error)) {
        g_known = std::move(now);
        return;
    }
    if (!tellFailure || g_writeFailureTold) return;
    g_writeFailureTold = true;
    ShowMessage("No se han podido guardar las opciones",
                "No se ha podido escribir el fichero zorvi.ini (" + error +
                    ").\rLas opciones valen mientras el programa siga abierto.");
}
