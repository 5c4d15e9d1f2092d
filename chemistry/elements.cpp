#include "chemistry/elements.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>

#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/unwritable_folder.h"
#include "util/atomic_file.h"
#include "util/files.h"
#include "util/number_format.h"
#include "util/strings.h"

ElementTable Elements;
std::string_view DefaultElementTable;
bool ElementsLoadFailed = false;

namespace {

// Offsets of the record's fields.
constexpr std::size_t kZAt = 0;
constexpr std::size_t kSymbolLengthAt = 2;
constexpr std::size_t kSymbolAt = 3;
constexpr std::size_t kMassAt = 6;
constexpr std::size_t kNameLengthAt = 14;
constexpr std::size_t kNameAt = 15;

const char* const kCaption = "Elementos químicos";

void PutText(ElementRecordBytes& record, std::size_t lengthAt, std::size_t textAt, const std::string& text,
             std::size_t max) {
    const std::string cut = CutText(text, max);
    record[lengthAt] = uint8_t(cut.size());
    std::copy(cut.begin(), cut.end(), record.begin() + textAt);
}

std::string GetText(const ElementRecordBytes& record, std::size_t lengthAt, std::size_t textAt, std::size_t max) {
    // A length past the room (a damaged file) reads as much as the room holds.
    const std::size_t length = std::min<std::size_t>(record[lengthAt], max);
    return std::string(record.begin() + textAt, record.begin() + textAt + length);
}

void TellLoadProblem(const std::string& text) {
    ShowMessageFlags(kCaption, text, kBoxIconExclamation);
}

// Appends one record to the table; false when the table is full.
bool AddRecord(const ElementRecordBytes& bytes) {
    if (Elements.count == kElementRoom) return false;
    Elements.Slot(++Elements.count) = DecodeElement(bytes);
    return true;
}

// The whole records of a file's bytes, as many as the table holds; false when some did not fit.
bool AddRecords(std::string_view file) {
    ElementRecordBytes bytes;
    for (std::size_t at = 0; at + bytes.size() <= file.size(); at += bytes.size()) {
        std::copy_n(file.begin() + at, bytes.size(), bytes.begin());
        if (!AddRecord(bytes)) return false;
    }
    return true;
}

// Why "elements.dat" could not be written: the old file is unchanged, the table in memory is kept.
void TellSaveFailed(const std::string& error) {
    if (const std::string folder = UnwritableCurrentFolder(); !folder.empty()) {
        ShowMessageFlags(kCaption,
                         UnwritableFolderMessage("No se han podido grabar los elementos (" + error + "):",
                                                 JoinPath(folder, kElementsFile),
                                                 "Siguen en la tabla mientras el programa esté abierto."),
                         kBoxIconExclamation);
        return;
    }
    ShowMessageFlags(kCaption,
                     "No se han podido grabar los elementos en elements.dat (" + error +
                         ").\rEl fichero anterior no ha cambiado; los cambios siguen en la tabla mientras el "
                         "programa esté abierto.",
                     kBoxIconExclamation);
}

}  // namespace

ElementRecordBytes Element::EmptyRecord() {
    ElementRecordBytes record{};
    std::fill_n(record.begin() + kSymbolAt, kSymbolMax, uint8_t(' '));
    std::fill_n(record.begin() + kNameAt, kElementNameMax, uint8_t(' '));
    return record;
}

ElementRecordBytes EncodeElement(const Element& element) {
    ElementRecordBytes record = element.stored;
    record[kZAt] = uint8_t(element.z & 0xFF);
    record[kZAt + 1] = uint8_t(element.z >> 8);
    PutText(record, kSymbolLengthAt, kSymbolAt, element.symbol, kSymbolMax);
    const uint64_t bits = std::bit_cast<uint64_t>(element.mass);
    for (std::size_t i = 0; i < 8; ++i) record[kMassAt + i] = uint8_t(bits >> (8 * i));
    PutText(record, kNameLengthAt, kNameAt, element.name, kElementNameMax);
    return record;
}

Element DecodeElement(const ElementRecordBytes& bytes) {
    Element element;
    element.z = uint16_t(bytes[kZAt] | (bytes[kZAt + 1] << 8));
    element.symbol = GetText(bytes, kSymbolLengthAt, kSymbolAt, kSymbolMax);
    uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= uint64_t(bytes[kMassAt + i]) << (8 * i);
    element.mass = std::bit_cast<double>(bits);
    element.name = GetText(bytes, kNameLengthAt, kNameAt, kElementNameMax);
    element.stored = bytes;
    return element;
}

int FindElement(std::string_view symbol) {
    for (int i = 1; i <= Elements.count; ++i) {
        if (Elements.Slot(i).symbol == symbol) return i;
    }
    return 0;
}

void LoadElements() {
    Elements.count = 0;
    ElementsLoadFailed = false;
    const FileContent file = ReadFileBytes(kElementsFile);
    if (!file.opened) {
        if (file.error != ENOENT || EntryAt(kElementsFile) != Entry::None) {
            // Never truncate a table that is there but unreadable: the teacher's data stays.
            ElementsLoadFailed = true;
            TellLoadProblem("No se puede leer el fichero elements.dat (" + ReadErrorText(file.error) +
                            ").\rLa tabla de elementos queda vacía.");
            return;
        }
        if (!DefaultElementTable.empty()) {
            // A first run, or a program copied alone: the built-in table, on disk for the element
            // editor. A folder that cannot be written keeps it in memory; the first save says why.
            std::string ignored;
            WriteWholeFile(kElementsFile, DefaultElementTable, ignored);
            AddRecords(DefaultElementTable);
            return;
        }
        // Append mode creates the file without ever emptying one that appeared meanwhile.
        errno = 0;
        std::FILE* created = std::fopen(kElementsFile, "ab");
        if (created == nullptr) {
            TellLoadProblem("No se puede crear el fichero elements.dat (" + FileErrorText(errno) +
                            ").\rLa tabla de elementos queda vacía.");
            return;
        }
        std::fclose(created);
        return;
    }

    const bool tooMany = !AddRecords(file.bytes);
    if (file.error != 0) {
        ElementsLoadFailed = true;
        TellLoadProblem("Error al leer el fichero elements.dat (" + ReadErrorText(file.error) + ").\rSe usan los " +
                        IntToText(Elements.count) + " elementos leídos.");
    } else if (tooMany) {
        TellLoadProblem("El fichero elements.dat tiene más de 200 elementos, los que caben en la tabla.\r"
                        "Se usan los 200 primeros; si se graban cambios, los demás se pierden.");
    }
}

bool SaveElements() {
    // The table in memory is then empty or partial: the file may hold the teacher's data.
    if (ElementsLoadFailed &&
        AskYesNoFlags(kCaption, "No se pudo leer elements.dat. ¿Reemplazarlo por la tabla actual?",
                      kBoxIconExclamation | kBoxDefaultButton2) != kAnswerYes) {
        return false;
    }
    std::string bytes;
    bytes.reserve(std::size_t(Elements.count) * kElementRecordSize);
    for (int i = 1; i <= Elements.count; ++i) {
        const ElementRecordBytes record = EncodeElement(Elements.Slot(i));
        bytes.append(record.begin(), record.end());
    }
    std::string error;
    if (WriteWholeFile(kElementsFile, bytes, error)) {
        ElementsLoadFailed = false;  // the file now holds the table
        return true;
    }
    TellSaveFailed(error);
    return false;
}

void OfferBuiltInTableForEmptyFile() {
    // A file with records, or one that could not be read, is the teacher's and stays as it is.
    if (DefaultElementTable.size() < kElementRecordSize || ElementsLoadFailed || Elements.count != 0) return;
    const FileContent file = ReadFileBytes(kElementsFile);
    if (file.error != 0 || !file.bytes.empty()) return;
    const std::size_t records = std::min<std::size_t>(DefaultElementTable.size() / kElementRecordSize, kElementRoom);
    if (AskYesNo(kCaption, "elements.dat está vacío. ¿Usar la tabla de " + IntToText(int32_t(records)) +
                               " elementos del programa?") != kAnswerYes) {
        return;
    }
    AddRecords(DefaultElementTable);
    std::string error;
    if (!WriteWholeFile(kElementsFile, DefaultElementTable, error)) TellSaveFailed(error);
}
