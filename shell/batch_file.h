#pragma once
// Batch files (".zlote"): the batch with its export settings and seed, as text a teacher can
// read and compare. Windows-1252, CRLF, first line "ZORVI-LOTE 2"; then one "clave: valor"
// line per setting and per field of each exercise (its results, several lines each, only when
// it has them). Files of format 1, whose recipes keep no
// choices and no number options, are read too. In a value, "\\" stands for a backslash,
// "\r", "\n" and "\t" for those characters, "\xHH" for any other control byte and for a blank
// that would end the line; every other byte is itself, so every byte of a text survives.
// A file saved again as UTF-8 (Notepad's way) is read as the Windows-1252 it stands for.
//
// Reading checks everything before the batch changes: a refused file leaves the batch, the
// export settings and the seed as they were, and the user is told the file, the line and
// what is wrong, in Spanish. Saving goes through a temporary file (util/atomic_file.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/batch.h"

constexpr const char* kBatchFileExtension = ".zlote";
constexpr const char* kBatchFileFirstLine = "ZORVI-LOTE 2";
constexpr const char* kBatchFileFirstLineBefore = "ZORVI-LOTE 1";
constexpr std::size_t kBatchFileTitleMax = 255;  // the export name and the document title

// Everything a batch file holds.
struct BatchFile {
    std::string exportName;
    std::string documentTitle;
    int32_t presentation = 1;
    uint32_t seed = 0;
    std::vector<ExerciseRecord> exercises;  // at most 50
};

struct BatchFileError {
    int line = 0;        // from 1; 0 when the fault is not on one line
    std::string reason;  // in Spanish, without the file's name
};

// The batch in memory with the export settings and the seed.
BatchFile CurrentBatchFile();
// The file's bytes.
std::string EncodeBatchFile(const BatchFile& file);
// Reads the bytes of a batch file; false, with the line and the reason, when they are not one.
bool DecodeBatchFile(std::string_view bytes, BatchFile& file, BatchFileError& error);
// The message that refuses a file: its name (without folder), the line and the reason.
std::string BatchFileRefusal(const std::string& path, const BatchFileError& error);

// Writes the batch to `path`; false, after telling the user why, when it cannot.
bool SaveBatchFile(const std::string& path);
// Reads `path` and replaces the batch, the export settings and the seed with it; false,
// after telling the user why, with nothing changed, when the file cannot be read or is refused.
bool OpenBatchFile(const std::string& path);

// The menu's "Guardar l&ote..." and "Abrir &lote...": the system's dialogs in the folder
// Exerc; opening asks first when the batch holds exercises not exported or saved.
void SaveBatchCommand();
void OpenBatchCommand();
