#include "chemistry/elements.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "app/start_up.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/scripted_ui.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += char(v);
    return bytes;
}

std::string AsString(const ElementRecordBytes& record) { return std::string(record.begin(), record.end()); }

ElementRecordBytes AsRecord(const std::string& bytes) {
    ElementRecordBytes record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

// Record n of a file of test records: z = n, symbol "Xn"-like, name "elemento n".
std::string TestRecord(int n) {
    Element element;
    element.z = uint16_t(n);
    element.symbol = std::string(1, char('A' + n % 26)) + char('a' + n / 26 % 26);
    element.mass = n * 1.5;
    element.name = "elemento " + std::to_string(n);
    return AsString(EncodeElement(element));
}

std::string TestFile(int records) {
    std::string bytes;
    for (int n = 1; n <= records; ++n) bytes += TestRecord(n);
    return bytes;
}

TEST(ElementRecord, EveryFieldIsLittleEndianAtItsOffset) {
    Element chlorine;
    chlorine.z = 0x0111;
    chlorine.symbol = "Cl";
    chlorine.mass = 35.45;
    chlorine.name = "Cloro";
    const std::string expected =
        Bytes({0x11, 0x01, 2, 'C', 'l', 0, 0x9a, 0x99, 0x99, 0x99, 0x99, 0xb9, 0x41, 0x40, 5, 'C', 'l', 'o', 'r', 'o'}) +
        std::string(9, ' ') + Bytes({0});
    EXPECT_EQ(AsString(EncodeElement(chlorine)), expected);
}

TEST(ElementRecord, ANewRecordHasBlankCharactersAndZeroReservedBytes) {
    Element hydrogen;
    hydrogen.z = 1;
    hydrogen.symbol = "H";
    hydrogen.mass = 1.008;
    hydrogen.name = "Hidrógeno";
    const std::string expected = Bytes({1, 0, 1, 'H', ' ', 0, 0x54, 0xe3, 0xa5, 0x9b, 0xc4, 0x20, 0xf0, 0x3f, 9}) +
                                 "Hidr\xF3geno" + std::string(5, ' ') + Bytes({0});
    EXPECT_EQ(AsString(EncodeElement(hydrogen)), expected);
    EXPECT_EQ(AsString(EncodeElement(Element{})), Bytes({0, 0, 0, ' ', ' ', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
                                                      std::string(14, ' ') + Bytes({0}));
}

TEST(ElementRecord, ReadsOnlyTheCharactersWithinEachLengthAndWritesTheRestBack) {
    // Symbol length 1 with a stray second byte, odd reserved bytes, leftovers past the name.
    const std::string bytes = Bytes({8, 0, 1, 'O', 'x', 0x7f, 0, 0, 0, 0, 0, 0, 0x30, 0x40, 7}) + "Ox\xEDgenoZZZZZZZ" +
                              Bytes({0xAA});
    ASSERT_EQ(bytes.size(), kElementRecordSize);
    const Element oxygen = DecodeElement(AsRecord(bytes));
    EXPECT_EQ(oxygen.z, 8);
    EXPECT_EQ(oxygen.symbol, "O");
    EXPECT_EQ(oxygen.mass, 16.0);
    EXPECT_EQ(oxygen.name, "Ox\xEDgeno");
    EXPECT_EQ(AsString(EncodeElement(oxygen)), bytes);
}

TEST(ElementRecord, LongTextsAreCutAndDamagedLengthsReadOnlyTheRoom) {
    Element element;
    element.symbol = "Abc";
    element.name = "Un nombre demasiado largo";
    const Element back = DecodeElement(EncodeElement(element));
    EXPECT_EQ(back.symbol, "Ab");
    EXPECT_EQ(back.name, "Un nombre dema");

    ElementRecordBytes damaged = EncodeElement(element);
    damaged[2] = 200;
    damaged[14] = 255;
    EXPECT_EQ(DecodeElement(damaged).symbol, "Ab");
    EXPECT_EQ(DecodeElement(damaged).name, "Un nombre dema");
}

TEST(ElementLookup, SymbolsMatchExactlyAndTheFirstMatchWins) {
    SetElementTable({{"C", 12.011, 6}, {"Cl", 35.45, 17}, {"Cl", 99, 99}});
    EXPECT_EQ(FindElement("Cl"), 2);
    EXPECT_EQ(FindElement("cl"), 0);
    EXPECT_EQ(FindElement("CL"), 0);
    EXPECT_EQ(FindElement("C"), 1);
    EXPECT_EQ(FindElement(""), 0);
}

class ElementsFile : public InScratchFolder {
protected:
    ScriptedUi ui;
};

TEST_F(ElementsFile, AMissingFileGivesAnEmptyTableAndAnEmptyFile) {
    SetElementTable({{"H", 1.008, 1}});
    LoadElements();
    EXPECT_EQ(Elements.count, 0);
    ASSERT_TRUE(fs::is_regular_file("elements.dat"));
    EXPECT_EQ(fs::file_size("elements.dat"), 0u);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(ElementsLoadFailed);
}

TEST_F(ElementsFile, ATrailingPartialRecordIsIgnored) {
    WriteAll("elements.dat", TestFile(3) + "12345");  // 95 bytes
    LoadElements();
    ASSERT_EQ(Elements.count, 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Elements.Slot(n).z, n);
        EXPECT_EQ(Elements.Slot(n).name, "elemento " + std::to_string(n));
    }
    EXPECT_EQ(fs::file_size("elements.dat"), 95u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ElementsFile, OnlyTheFirst200RecordsAreReadAndTheUserIsToldOnce) {
    const std::string file = TestFile(260);
    WriteAll("elements.dat", file);
    LoadElements();
    ASSERT_EQ(Elements.count, 200);
    EXPECT_EQ(Elements.Slot(200).z, 200);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Elementos químicos");
    EXPECT_NE(ui.boxes[0].text.find("200"), std::string::npos);
    EXPECT_EQ(ReadAll("elements.dat"), file);

    WriteAll("elements.dat", TestFile(200));  // exactly full: nothing to say
    LoadElements();
    EXPECT_EQ(Elements.count, 200);
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(ElementsFile, AnUnreadableFileIsReportedOnceAndLeftAlone) {
    // A folder under the name: it exists, but no record can be read from it.
    fs::create_directories(fs::path("elements.dat") / "inside");
    SetElementTable({{"H", 1.008, 1}});
    LoadElements();
    EXPECT_EQ(Elements.count, 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Elementos químicos");
    EXPECT_EQ(ui.boxes[0].flags, kBoxIconExclamation);
    EXPECT_NE(ui.boxes[0].text.find("elements.dat"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(fs::path("elements.dat") / "inside"));
}

const char* const kReplaceQuestion = "No se pudo leer elements.dat. ¿Reemplazarlo por la tabla actual?";

// "No", the default button, keeps the file that could not be read and the table in
// memory; the question comes again at the next save.
TEST_F(ElementsFile, ASaveOverAFileThatCouldNotBeReadAsksFirstAndNoKeepsIt) {
    fs::create_directories(fs::path("elements.dat") / "inside");
    LoadElements();
    EXPECT_TRUE(ElementsLoadFailed);
    Elements.Slot(++Elements.count) = MakeElement("He", "Helio", 2, 4);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        ui.boxAnswers = {kAnswerNo};
        EXPECT_FALSE(SaveElements());
        ASSERT_EQ(ui.boxes.size(), 1u + attempt);  // the load's message, then one question a save
        EXPECT_EQ(ui.boxes.back(), (ShownBox{"Elementos químicos", kReplaceQuestion,
                                             kBoxYesNo | kBoxIconExclamation | kBoxDefaultButton2}));
        EXPECT_TRUE(fs::is_directory(fs::path("elements.dat") / "inside"));
        ASSERT_EQ(Elements.count, 1);
        EXPECT_EQ(Elements.Slot(1).name, "Helio");
    }
}

TEST_F(ElementsFile, ALoadThatReadsTheFileAgainLetsTheSaveGoWithoutAsking) {
    fs::create_directories(fs::path("elements.dat") / "inside");
    LoadElements();
    ASSERT_TRUE(ElementsLoadFailed);
    fs::remove_all("elements.dat");
    WriteAll("elements.dat", TestFile(2));
    LoadElements();
    EXPECT_FALSE(ElementsLoadFailed);
    EXPECT_TRUE(SaveElements());
    EXPECT_EQ(ui.boxes.size(), 1u);  // the first load's message only

    fs::remove("elements.dat");
    LoadElements();  // a missing file is created empty: nothing was lost
    EXPECT_FALSE(ElementsLoadFailed);
    EXPECT_TRUE(SaveElements());
    EXPECT_EQ(ui.boxes.size(), 1u);
}

#ifndef _WIN32
// A name that leads to a folder opens, but no record can be read from it; a save puts a
// file in its place, as it would over a damaged file.
TEST_F(ElementsFile, YesReplacesTheFileThatCouldNotBeReadAndLaterSavesAskNothing) {
    fs::create_directories("damaged");
    fs::create_directory_symlink("damaged", "elements.dat");
    LoadElements();
    EXPECT_TRUE(ElementsLoadFailed);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.rfind("Error al leer el fichero elements.dat", 0), 0u) << ui.boxes[0].text;
    Elements.Slot(++Elements.count) = MakeElement("He", "Helio", 2, 4);
    ui.boxAnswers = {kAnswerYes};
    EXPECT_TRUE(SaveElements());
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, kReplaceQuestion);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("elements.dat")));
    EXPECT_EQ(ReadAll("elements.dat"), AsString(EncodeElement(Elements.Slot(1))));
    EXPECT_FALSE(ElementsLoadFailed);
    EXPECT_TRUE(SaveElements());
    EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST_F(ElementsFile, AFileThatCannotBeCreatedIsReportedOnce) {
    // The name leads into a folder that does not exist: nothing can be created there.
    fs::create_symlink(Folder() / "missing" / "elements.dat", "elements.dat");
    LoadElements();
    EXPECT_EQ(Elements.count, 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.rfind("No se puede crear el fichero elements.dat (la carpeta no existe)", 0), 0u)
        << ui.boxes[0].text;
    EXPECT_FALSE(fs::exists(Folder() / "missing"));
}
#endif

TEST_F(ElementsFile, ASavedThenLoadedTableIsByteIdentical) {
    // Records with leftovers in their unused bytes, as an older editor may have left them.
    std::string file = TestFile(5);
    file[5] = 'r';                // reserved byte after the symbol
    file[30 + 29] = char(0xFE);   // reserved byte at the end
    file[2 * 30 + 27] = 'g';      // past the name "elemento 3"
    WriteAll("elements.dat", file);
    LoadElements();
    ASSERT_EQ(Elements.count, 5);
    ASSERT_TRUE(SaveElements());
    EXPECT_EQ(ReadAll("elements.dat"), file);

    Elements.Slot(2).name = "cambiado";
    Elements.Slot(2).mass = 2.25;
    Elements.Slot(++Elements.count) = Element{};
    Elements.Slot(Elements.count).symbol = "Zz";
    ASSERT_TRUE(SaveElements());
    const std::string saved = ReadAll("elements.dat");
    EXPECT_EQ(saved.size(), 6 * kElementRecordSize);
    LoadElements();
    ASSERT_EQ(Elements.count, 6);
    EXPECT_EQ(Elements.Slot(2).name, "cambiado");
    EXPECT_EQ(Elements.Slot(2).mass, 2.25);
    EXPECT_EQ(Elements.Slot(6).symbol, "Zz");
    ASSERT_TRUE(SaveElements());
    EXPECT_EQ(ReadAll("elements.dat"), saved);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ElementsFile, AnEmptyTableSavesAnEmptyFile) {
    WriteAll("elements.dat", TestFile(2));
    Elements.count = 0;
    ASSERT_TRUE(SaveElements());
    EXPECT_EQ(fs::file_size("elements.dat"), 0u);
}

TEST_F(ElementsFile, AFailedSaveKeepsTheOldFileAndTheTableAndSaysWhy) {
    const std::string old = TestFile(4);
    WriteAll("elements.dat", old);
    LoadElements();
    Elements.Slot(1).name = "editado";
    // The temporary file cannot be made: a folder holds its name.
    fs::create_directories(fs::path("elements.dat.tmp~") / "x");
    EXPECT_FALSE(SaveElements());
    EXPECT_EQ(ReadAll("elements.dat"), old);
    EXPECT_EQ(Elements.count, 4);
    EXPECT_EQ(Elements.Slot(1).name, "editado");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Elementos químicos");
    EXPECT_EQ(ui.boxes[0].text.rfind("No se han podido grabar los elementos en elements.dat (", 0), 0u)
        << ui.boxes[0].text;

    fs::remove_all("elements.dat.tmp~");
    EXPECT_TRUE(SaveElements());
    LoadElements();
    EXPECT_EQ(Elements.Slot(1).name, "editado");
}

// The program's built-in table, as app/ hands it over from the resources.
class BuiltInTable : public ElementsFile {
protected:
    void SetUp() override {
        ElementsFile::SetUp();
        table = TestFile(3);
        DefaultElementTable = table;
    }
    std::string table;
};

TEST_F(BuiltInTable, AMissingFileIsWrittenFromItSilently) {
    LoadElements();
    ASSERT_EQ(Elements.count, 3);
    EXPECT_EQ(Elements.Slot(3).name, "elemento 3");
    EXPECT_EQ(ReadAll("elements.dat"), table);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(EntriesIn("."), 1u);  // no temporary file left
}

TEST_F(BuiltInTable, AnExistingFileIsUsedAsItIs) {
    // An edited table of one element, and an empty one: the teacher's, both.
    for (const std::string& file : {TestFile(1), std::string()}) {
        WriteAll("elements.dat", file);
        LoadElements();
        EXPECT_EQ(Elements.count, file.size() / kElementRecordSize);
        EXPECT_EQ(ReadAll("elements.dat"), file);
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(BuiltInTable, AnUnreadableFileIsLeftAloneAndNotReplaced) {
    fs::create_directories(fs::path("elements.dat") / "inside");
    LoadElements();
    EXPECT_EQ(Elements.count, 0);
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(fs::is_directory(fs::path("elements.dat") / "inside"));
}

TEST_F(BuiltInTable, AFileThatCannotBeWrittenStillGivesTheTable) {
    // The temporary file cannot be made: a folder holds its name.
    fs::create_directories(fs::path("elements.dat.tmp~") / "x");
    LoadElements();
    EXPECT_EQ(Elements.count, 3);
    EXPECT_TRUE(ui.boxes.empty());  // the first save says why
    EXPECT_FALSE(fs::exists("elements.dat"));
}

TEST_F(BuiltInTable, OnlyWholeRecordsAndAtMost200AreTaken) {
    table = TestFile(2) + "12345";
    DefaultElementTable = table;
    LoadElements();
    EXPECT_EQ(Elements.count, 2);
    EXPECT_EQ(ReadAll("elements.dat"), table);  // written as it is, read like any file

    fs::remove("elements.dat");
    table = TestFile(201);
    DefaultElementTable = table;
    LoadElements();
    EXPECT_EQ(Elements.count, 200);
    EXPECT_EQ(Elements.Slot(200).z, 200);
}

TEST_F(BuiltInTable, EachLoadWritesItAgainWhileTheFileIsMissing) {
    LoadElements();
    Elements.Slot(1).name = "editado sin grabar";
    fs::remove("elements.dat");
    LoadElements();
    EXPECT_EQ(Elements.Slot(1).name, "elemento 1");
    EXPECT_EQ(ReadAll("elements.dat"), table);
}

// The reviewed text table of resources/, one element a line.
struct TextElement {
    int z;
    std::string symbol;
    std::string mass;
    std::string name;  // UTF-8
};

std::vector<TextElement> ReadTextTable() {
    std::ifstream in(std::string(ZORVI_SOURCE_DIR) + "/resources/elements.txt");
    std::vector<TextElement> table;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        TextElement e;
        fields >> e.z >> e.symbol >> e.mass >> std::ws;
        std::getline(fields, e.name);
        table.push_back(e);
    }
    return table;
}

// The names hold only Latin-1 letters, two UTF-8 bytes each: their Windows-1252 byte.
std::string Cp1252(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = utf8[i];
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
        }
    }
    return out;
}

class DefaultElements : public ElementsFile {};

TEST_F(DefaultElements, TheBuiltFileHoldsTheReviewedTable) {
    const std::string built = ReadAll(fs::path(ZORVI_BINARY_DIR) / "elements.dat");
    ASSERT_EQ(built.size(), 118 * kElementRecordSize) << "elements.dat missing from the build folder";
    WriteAll("elements.dat", built);
    LoadElements();
    const std::vector<TextElement> text = ReadTextTable();
    ASSERT_EQ(text.size(), 118u);
    ASSERT_EQ(Elements.count, 118);
    for (int i = 1; i <= 118; ++i) {
        const Element& e = Elements.Slot(i);
        const TextElement& t = text[i - 1];
        EXPECT_EQ(e.z, i);
        EXPECT_EQ(t.z, i);
        EXPECT_EQ(e.symbol, t.symbol);
        EXPECT_EQ(e.mass, std::strtod(t.mass.c_str(), nullptr)) << t.symbol;
        EXPECT_EQ(e.name, Cp1252(t.name));
        EXPECT_FALSE(e.name.empty());
        EXPECT_EQ(FindElement(e.symbol), i) << "symbol " << e.symbol << " twice";
    }
    EXPECT_EQ(Elements.Slot(1).name, "Hidr\xF3geno");
    EXPECT_EQ(Elements.Slot(1).mass, 1.008);
    EXPECT_EQ(Elements.Slot(17).symbol, "Cl");
    EXPECT_EQ(Elements.Slot(118).symbol, "Og");
    ASSERT_TRUE(SaveElements());
    EXPECT_EQ(ReadAll("elements.dat"), built);
}

// A 0-byte elements.dat, as a run without the built-in table leaves it, would make every formula
// fail: the start-up offers the program's table. The data windows' own loads ask nothing.
TEST_F(DefaultElements, AnEmptyFileAtStartUpOffersTheBuiltInTable) {
    const std::string built = ReadAll(fs::path(ZORVI_BINARY_DIR) / "elements.dat");
    ASSERT_EQ(built.size(), 118 * kElementRecordSize) << "elements.dat missing from the build folder";
    DefaultElementTable = built;
    struct Case {
        uint8_t answer;
        int elements;
        std::string file;
    };
    for (const Case& c : {Case{kAnswerYes, 118, built}, Case{kAnswerNo, 0, ""}}) {
        WriteAll("elements.dat", "");
        ui.boxes.clear();
        ui.boxAnswers = {c.answer};
        SetUpProgram();
        ASSERT_EQ(ui.boxes,
                  (ShownBoxes{{"Elementos químicos",
                               "elements.dat está vacío. ¿Usar la tabla de 118 elementos del programa?", kBoxYesNo}}))
            << int(c.answer);
        EXPECT_EQ(Elements.count, c.elements) << int(c.answer);
        EXPECT_EQ(ReadAll("elements.dat"), c.file) << int(c.answer);
        EXPECT_EQ(EntriesIn("."), 1u);  // no temporary file left
        LoadElements();
        EXPECT_EQ(Elements.count, c.elements) << int(c.answer);
        EXPECT_EQ(ui.boxes.size(), 1u);
        ReleaseProgram();
    }
}

#ifndef _WIN32
// Every mass, and every symbol that fits two characters, is Blue Obelisk's.
TEST(DefaultElementsSource, MassesAndSymbolsAreThoseOfBlueObelisk) {
    const std::string xml = ReadAll("/usr/share/bodr/elements.xml");
    ASSERT_FALSE(xml.empty()) << "the Debian package bodr is not installed";
    std::map<int, std::pair<std::string, std::string>> bodr;  // z -> symbol, mass
    auto valueAfter = [&](std::size_t from, std::size_t to, const std::string& key, char open, char close) {
        const std::size_t at = xml.find(key, from);
        if (at == std::string::npos || at > to) return std::string();
        const std::size_t start = xml.find(open, at + key.size()) + 1;
        return xml.substr(start, xml.find(close, start) - start);
    };
    for (std::size_t at = xml.find("<atom "); at != std::string::npos; at = xml.find("<atom ", at + 1)) {
        const std::size_t end = xml.find("</atom>", at);
        const int z = std::atoi(valueAfter(at, end, "dictRef=\"bo:atomicNumber\"", '>', '<').c_str());
        bodr[z] = {valueAfter(at, end, "dictRef=\"bo:symbol\" value=", '"', '"'),
                   valueAfter(at, end, "dictRef=\"bo:mass\"", '>', '<')};
    }
    const std::vector<TextElement> text = ReadTextTable();
    ASSERT_EQ(text.size(), 118u);
    const std::map<int, std::string> renamed = {{113, "Uut"}, {115, "Uup"}, {117, "Uus"}, {118, "Uuo"}};
    for (const TextElement& t : text) {
        ASSERT_EQ(bodr.count(t.z), 1u) << t.z;
        const auto& [symbol, mass] = bodr[t.z];
        EXPECT_EQ(std::strtod(t.mass.c_str(), nullptr), std::strtod(mass.c_str(), nullptr)) << t.symbol;
        EXPECT_EQ(renamed.count(t.z) ? renamed.at(t.z) : t.symbol, symbol) << t.z;
    }
}
#endif

}  // namespace
