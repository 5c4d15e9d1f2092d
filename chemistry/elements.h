#pragma once
// The database of chemical elements: the program-wide table and its file "elements.dat"
// in the current directory, a headerless run of 30-byte little-endian records.
//
// Failures of the file are told to the user here, one message per load or save; the
// callers only learn whether a save worked. The table always stays usable.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::size_t kSymbolMax = 2;
constexpr std::size_t kElementNameMax = 14;
constexpr std::size_t kElementRecordSize = 30;
constexpr int kElementRoom = 200;
constexpr const char* kElementsFile = "elements.dat";

using ElementRecordBytes = std::array<uint8_t, kElementRecordSize>;

struct Element {
    uint16_t z = 0;      // atomic number; 0 in an empty record
    std::string symbol;  // at most 2 characters, case as typed
    double mass = 0;     // g/mol; 0 in an empty record
    std::string name;    // at most 14 characters

    // The record as it was read: its reserved bytes and the character bytes past each
    // text's length are written back unchanged. A new record has zeros and blanks there.
    ElementRecordBytes stored = EmptyRecord();

    static ElementRecordBytes EmptyRecord();
};

struct ElementTable {
    std::array<Element, kElementRoom> slots;
    uint8_t count = 0;  // slots 1 to count are in use, in file order

    // Slot i, numbered from 1.
    Element& Slot(int i) { return slots[i - 1]; }
    const Element& Slot(int i) const { return slots[i - 1]; }
};

extern ElementTable Elements;

// The file written where "elements.dat" is missing: the default table built into the program,
// set at start-up (app/). Left empty, a missing file is created empty.
extern std::string_view DefaultElementTable;

// The 30 bytes of the file record; texts longer than their room are cut.
ElementRecordBytes EncodeElement(const Element& element);
Element DecodeElement(const ElementRecordBytes& bytes);

// The first slot whose symbol is exactly `symbol` (case counts), 0 when none.
int FindElement(std::string_view symbol);

// The last LoadElements found "elements.dat" but could not read all of it: a save asks
// before it replaces that file. Cleared by a load that reads the file and by a save.
extern bool ElementsLoadFailed;

// Replaces the table with the records of "elements.dat" (at most 200). A missing file is
// written from DefaultElementTable, silently; when it cannot be written the table still
// holds those records. A file that exists but cannot be read is left alone; the table then
// holds what was read before the failure, and the user is told once.
void LoadElements();

// At start-up, after LoadElements: an "elements.dat" that is there but empty (0 bytes, as a run
// without the built-in table leaves it) makes every formula fail, so the user is asked whether to
// use the built-in table. Yes fills the table and writes the file from it (a failure is told, the
// table stays); No leaves both empty. Nothing is asked without a built-in table, for a file with
// records or for one that could not be read; the data windows' own loads never ask.
void OfferBuiltInTableForEmptyFile();

// Writes slots 1 to count to "elements.dat". The old file is replaced only when the whole
// new one was written; on failure the user is told why and false is returned, and the
// table in memory is kept. Over a file that the last load could not read, the user is
// asked first (No is the default); any answer but Yes returns false with nothing written.
bool SaveElements();
