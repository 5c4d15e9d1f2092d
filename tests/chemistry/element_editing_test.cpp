#include "chemistry/element_editing.h"

#include <gtest/gtest.h>

#include "tests/chemistry/chemistry_support.h"
#include "tests/support/scripted_ui.h"

namespace {

namespace fs = std::filesystem;

std::string FileOf(std::initializer_list<Element> elements) {
    std::string bytes;
    for (const Element& element : elements) {
        const ElementRecordBytes record = EncodeElement(element);
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}

bool SameElement(const Element& a, const Element& b) {
    return a.z == b.z && a.symbol == b.symbol && a.mass == b.mass && a.name == b.name && a.stored == b.stored;
}

TEST(ElementLines, MassListLinePadsTheSymbolToTenAndShowsTheMassInTheExerciseForm) {
    struct Case {
        Element element;
        const char* line;
    } cases[] = {
        {MakeElement("Cl", "Cloro", 17, 35.453), "Cl        35.45"},
        {MakeElement("H", "Hidrógeno", 1, 1.008), "H          1.01"},
        {MakeElement("Og", "Oganesón", 118, 294), "Og        294"},
        {MakeElement("Xx", "", 0, 0), "Xx        0"},
        {MakeElement("", "", 0, 0.5), "          0.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(MassListLine(c.element), c.line) << c.element.symbol;
}

TEST(ElementLines, EditorListLinePadsTheSymbolToFourAndTheNumberToThree) {
    struct Case {
        Element element;
        const char* line;
    } cases[] = {
        {MakeElement("Cl", "Cloro", 17, 35.453), "Cl  Cloro   17"},
        {MakeElement("H", "Hidrógeno", 1, 1.008), "H   Hidrógeno    1"},
        {MakeElement("Rg", "Roentgenio1234", 111, 280), "Rg  Roentgenio1234  111"},
        {MakeElement("", "", 0, 0), "        0"},
    };
    for (const Case& c : cases) EXPECT_EQ(EditorListLine(c.element), c.line) << c.element.symbol;
}

TEST(ElementFieldsShown, ZeroShowsEmptyAndTheMassHasThreeDecimals) {
    SetElementTable({{"Na", 22.98976928, 11, "Sodio"}, {"Xx", 0, 0, "nada"}, {"O", 16, 8, "Oxígeno"}});
    struct Case {
        int slot;
        ElementFields fields;
    } cases[] = {
        {1, {"Sodio", "Na", "22.990", " 11"}},
        {2, {"nada", "Xx", "", ""}},
        {3, {"Oxígeno", "O", "16.000", "  8"}},
        {kElementRoom + 1, {"", "", "", ""}},  // past a full table
    };
    for (const Case& c : cases) {
        const ElementFields shown = FieldsOfSlot(c.slot);
        EXPECT_EQ(shown.name, c.fields.name) << c.slot;
        EXPECT_EQ(shown.symbol, c.fields.symbol) << c.slot;
        EXPECT_EQ(shown.mass, c.fields.mass) << c.slot;
        EXPECT_EQ(shown.z, c.fields.z) << c.slot;
    }
}

class ElementEditor : public InScratchFolder {
protected:
    ScriptedUi ui;
};

TEST_F(ElementEditor, OpeningReloadsTheFileAndBlanksEveryFreeSlot) {
    // Leftovers of a larger table in memory, some past the hundredth slot.
    SetElementTable({});
    for (int i = 1; i <= 150; ++i) Elements.Slot(i) = MakeElement("Qq", "viejo", uint16_t(i), i);
    Elements.count = 150;
    ElementEditing = {7, true};
    WriteAll("elements.dat", FileOf({MakeElement("H", "Hidrógeno", 1, 1.008), MakeElement("He", "Helio", 2, 4)}));

    StartElementEditing();
    ASSERT_EQ(Elements.count, 2);
    EXPECT_EQ(Elements.Slot(2).symbol, "He");
    for (int i = 3; i <= kElementRoom; ++i) ASSERT_TRUE(SameElement(Elements.Slot(i), Element{})) << i;
    EXPECT_EQ(ElementEditing.selected, 3);
    EXPECT_FALSE(ElementEditing.modified);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ElementEditor, AcceptOnAnEmptyTableCreatesTheFirstElementCuttingLongTexts) {
    StartElementEditing();
    ASSERT_EQ(Elements.count, 0);
    ASSERT_TRUE(AcceptElementFields({"Hidrógeno de más de catorce", "Hxy", " 1.008 ", " 1"}));
    ASSERT_EQ(Elements.count, 1);
    const Element& h = Elements.Slot(1);
    EXPECT_EQ(h.name, "Hidrógeno de m");
    EXPECT_EQ(h.symbol, "Hx");
    EXPECT_EQ(h.mass, 1.008);
    EXPECT_EQ(h.z, 1);
    EXPECT_EQ(h.stored, Element::EmptyRecord());
    EXPECT_TRUE(ElementEditing.modified);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ElementEditor, EmptyNumberFieldsStoreZero) {
    StartElementEditing();
    ASSERT_TRUE(AcceptElementFields({"", "Xx", "   ", ""}));
    EXPECT_EQ(Elements.Slot(1).mass, 0);
    EXPECT_EQ(Elements.Slot(1).z, 0);
}

TEST_F(ElementEditor, RewritingAnElementUnchangedKeepsItExactlyButCountsAsAChange) {
    const Element sodium = MakeElement("Na", "Sodio", 11, 22.98976928);
    WriteAll("elements.dat", FileOf({MakeElement("H", "Hidrógeno", 1, 1.008), sodium}));
    StartElementEditing();
    SelectElementSlot(2);
    ASSERT_TRUE(AcceptElementFields(FieldsOfSlot(2)));
    EXPECT_EQ(Elements.count, 2);
    EXPECT_TRUE(SameElement(Elements.Slot(2), DecodeElement(EncodeElement(sodium))));
    EXPECT_TRUE(ElementEditing.modified);
}

TEST_F(ElementEditor, AChangedMassIsReadAsTyped) {
    WriteAll("elements.dat", FileOf({MakeElement("Na", "Sodio", 11, 22.98976928)}));
    StartElementEditing();
    SelectElementSlot(1);
    ElementFields fields = FieldsOfSlot(1);
    fields.mass = "22.99";
    fields.z = "$0B";  // the number readers also take hexadecimal
    ASSERT_TRUE(AcceptElementFields(fields));
    EXPECT_EQ(Elements.Slot(1).mass, 22.99);
    EXPECT_EQ(Elements.Slot(1).z, 11);
}

TEST_F(ElementEditor, BadFieldsAreRefusedWithAMessageNamingTheFieldAndNothingChanges) {
    struct Case {
        ElementFields fields;
        const char* message;
    } cases[] = {
        {{"Cloro", "Cl", "35.45", "abc"},
         "Z (número atómico) no es un número entero: \"abc\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "35.45", "4.2"},
         "Z (número atómico) no es un número entero: \"4.2\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "35.45", "-1"},
         "Z (número atómico) debe estar entre 0 y 65535: \"-1\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "35.45", "65536"},
         "Z (número atómico) debe estar entre 0 y 65535: \"65536\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "35,45", "17"},
         "MA (masa atómica) no es un número: \"35,45\".\rEl separador decimal es el punto: 35.45.\r"
         "El elemento no se ha aceptado."},
        {{"Cloro", "Cl", "3 5", "17"}, "MA (masa atómica) no es un número: \"3 5\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "1e999", "17"},
         "MA (masa atómica) no es un número: \"1e999\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "-35.45", "17"},
         "MA (masa atómica) no puede ser negativa: \"-35.45\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "Cl", "masa de unos treinta y cinco gramos", "17"},
         "MA (masa atómica) no es un número: \"masa de unos treinta y cinco g\".\rEl elemento no se ha aceptado."},
        {{"Cloro", "", "35.45", "17"}, "Falta el símbolo (Smb) del elemento.\rEl elemento no se ha aceptado."},
    };
    const std::string file = FileOf({MakeElement("H", "Hidrógeno", 1, 1.008)});
    WriteAll("elements.dat", file);
    StartElementEditing();
    const Element hydrogen = Elements.Slot(1);
    for (int slot : {1, 2}) {  // over an element and as a new one
        for (const Case& c : cases) {
            ui.boxes.clear();
            SelectElementSlot(slot);
            EXPECT_FALSE(AcceptElementFields(c.fields)) << c.message;
            ASSERT_EQ(ui.boxes, (ShownBoxes{{"Elementos químicos", c.message, kBoxIconExclamation}}));
            EXPECT_EQ(Elements.count, 1);
            EXPECT_TRUE(SameElement(Elements.Slot(1), hydrogen));
            EXPECT_TRUE(SameElement(Elements.Slot(2), Element{}));
            EXPECT_FALSE(ElementEditing.modified);
            EXPECT_EQ(ElementEditing.selected, slot);
        }
    }
    EXPECT_EQ(ReadAll("elements.dat"), file);
}

TEST_F(ElementEditor, AFullTableRefusesANewElementButStillTakesChanges) {
    std::string file;
    for (int i = 1; i <= kElementRoom; ++i) file += FileOf({MakeElement("Ab", "lleno", uint16_t(i), i)});
    WriteAll("elements.dat", file);
    StartElementEditing();
    ASSERT_EQ(Elements.count, kElementRoom);
    ASSERT_EQ(ElementEditing.selected, kElementRoom + 1);

    EXPECT_FALSE(AcceptElementFields({"Nuevo", "Nw", "1", "1"}));
    ASSERT_EQ(ui.boxes,
              (ShownBoxes{{"Elementos químicos",
                           "La tabla de elementos está llena: caben 200 elementos.\rEl elemento no se ha añadido.",
                           kBoxOk | kBoxIconExclamation}}));
    EXPECT_EQ(Elements.count, kElementRoom);
    EXPECT_FALSE(ElementEditing.modified);

    SelectElementSlot(kElementRoom);
    ASSERT_TRUE(AcceptElementFields({"Último", "Zz", "300", "200"}));
    EXPECT_EQ(Elements.count, kElementRoom);
    EXPECT_EQ(Elements.Slot(kElementRoom).symbol, "Zz");
}

TEST_F(ElementEditor, SearchFindsTheExactSymbolOrSaysWhatWasTyped) {
    SetElementTable({{"N", 14.007, 7}, {"Na", 22.99, 11}, {"Na", 1, 1}});
    EXPECT_EQ(SearchElementSymbol("Na"), 2);
    EXPECT_TRUE(ui.boxes.empty());
    for (const char* typed : {"na", "Na ", " Na", "Nax"}) {
        ui.boxes.clear();
        EXPECT_EQ(SearchElementSymbol(typed), 0) << typed;
        ASSERT_EQ(ui.boxes, (ShownBoxes{{"Elemento no hallado", typed, kBoxOk}}));
    }
}

TEST_F(ElementEditor, OkWritesTheFileOnlyAfterAChange) {
    const std::string file = FileOf({MakeElement("H", "Hidrógeno", 1, 1.008)});
    WriteAll("elements.dat", file);
    StartElementEditing();
    fs::remove("elements.dat");
    EXPECT_TRUE(FinishElementEditing());
    EXPECT_FALSE(fs::exists("elements.dat"));

    ASSERT_TRUE(AcceptElementFields({"Helio", "He", "4.0026", "2"}));
    EXPECT_TRUE(FinishElementEditing());
    EXPECT_EQ(ReadAll("elements.dat"), file + FileOf({MakeElement("He", "Helio", 2, 4.0026)}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ElementEditor, LeavingAsksOnlyAfterAChangeAndFollowsTheAnswer) {
    const std::string file = FileOf({MakeElement("H", "Hidrógeno", 1, 1.008)});
    const std::string changed = file + FileOf({MakeElement("He", "Helio", 2, 4)});
    struct Case {
        uint8_t answer;
        bool leaves;
        std::string fileAfter;
    } cases[] = {
        {kAnswerYes, true, changed},
        {kAnswerNo, true, file},
        {kAnswerCancel, false, file},
    };
    for (const Case& c : cases) {
        WriteAll("elements.dat", file);
        StartElementEditing();
        ui.boxes.clear();
        EXPECT_TRUE(LeaveElementEditing());
        EXPECT_TRUE(ui.boxes.empty());

        ASSERT_TRUE(AcceptElementFields({"Helio", "He", "4", "2"}));
        ui.boxAnswers = {c.answer};
        EXPECT_EQ(LeaveElementEditing(), c.leaves) << int(c.answer);
        ASSERT_EQ(ui.boxes,
                  (ShownBoxes{{"Datos modificados", "Grabar los cambios?   ", kBoxYesNoCancel | kBoxIconExclamation}}));
        EXPECT_EQ(ReadAll("elements.dat"), c.fileAfter);
        // Whatever the answer, the table keeps the change until the next opening.
        EXPECT_EQ(Elements.count, 2);
        EXPECT_EQ(FindElement("He"), 2);
    }
}

TEST_F(ElementEditor, AFailedSaveKeepsTheEditorOpenTheOldFileAndTheChanges) {
    const std::string file = FileOf({MakeElement("H", "Hidrógeno", 1, 1.008)});
    WriteAll("elements.dat", file);
    StartElementEditing();
    ASSERT_TRUE(AcceptElementFields({"Helio", "He", "4", "2"}));
    // The temporary file of the save cannot be made: a folder holds its name.
    fs::create_directories(fs::path("elements.dat.tmp~") / "x");

    EXPECT_FALSE(FinishElementEditing());
    ui.boxAnswers = {kAnswerYes};
    EXPECT_FALSE(LeaveElementEditing());
    ASSERT_EQ(ui.boxes.size(), 3u);
    for (int i : {0, 2}) {
        EXPECT_EQ(ui.boxes[i].text.rfind("No se han podido grabar los elementos en elements.dat (", 0), 0u)
            << ui.boxes[i].text;
    }
    EXPECT_EQ(ReadAll("elements.dat"), file);
    EXPECT_TRUE(ElementEditing.modified);
    EXPECT_EQ(FindElement("He"), 2);

    fs::remove_all("elements.dat.tmp~");
    EXPECT_TRUE(FinishElementEditing());
    EXPECT_EQ(ReadAll("elements.dat"), file + FileOf({MakeElement("He", "Helio", 2, 4)}));
}

// Opened on a file that could not be read, the editor shows an empty table; neither "Ok"
// nor "Salir" with "Sí" replaces that file unless the teacher says so, and the edits stay.
TEST_F(ElementEditor, AFileThatCouldNotBeReadIsReplacedOnlyOnYes) {
    fs::create_directories(fs::path("elements.dat") / "inside");
    StartElementEditing();
    ASSERT_TRUE(AcceptElementFields({"Helio", "He", "4", "2"}));

    ui.boxAnswers = {kAnswerNo};
    EXPECT_FALSE(FinishElementEditing());  // "Ok": the editor stays open
    ui.boxAnswers = {kAnswerYes, kAnswerNo};
    EXPECT_FALSE(LeaveElementEditing());  // "Salir", save: yes, replace: no
    const std::string question = "No se pudo leer elements.dat. ¿Reemplazarlo por la tabla actual?";
    ASSERT_EQ(ui.boxes.size(), 4u);  // the load's message first
    EXPECT_EQ(ui.boxes[1],
              (ShownBox{"Elementos químicos", question, kBoxYesNo | kBoxIconExclamation | kBoxDefaultButton2}));
    EXPECT_EQ(ui.boxes[2].caption, "Datos modificados");
    EXPECT_EQ(ui.boxes[3].text, question);
    EXPECT_TRUE(ElementEditing.modified);
    EXPECT_EQ(FindElement("He"), 1);
    EXPECT_TRUE(fs::is_directory(fs::path("elements.dat") / "inside"));

    ui.boxAnswers = {kAnswerNo};
    EXPECT_TRUE(LeaveElementEditing());  // "Salir" without saving closes; the table keeps the edit
    EXPECT_EQ(FindElement("He"), 1);
    EXPECT_TRUE(fs::is_directory(fs::path("elements.dat") / "inside"));
}

}  // namespace
