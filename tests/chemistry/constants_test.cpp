#include "chemistry/constants.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chemistry/remake.h"
#include "chemistry/topics.h"

#include "tests/chemistry/course_topics_support.h"

namespace {

namespace fs = std::filesystem;

// The course's masses and those of the salts' and acids' other elements (resources/elements.txt).
class ConstantsTest : public CourseTopicTest {
protected:
    void SetUp() override {
        CourseTopicTest::SetUp();
        SetElementTable({{"H", 1.008, 1},          {"C", 12.011, 6},       {"N", 14.007, 7},
                         {"O", 15.999, 8},         {"F", 18.9984032, 9},   {"Na", 22.98976928, 11},
                         {"Mg", 24.305, 12},       {"P", 30.973762, 15},   {"S", 32.06, 16},
                         {"Cl", 35.45, 17},        {"Ca", 40.078, 20},     {"Cr", 51.9961, 24},
                         {"Fe", 55.845, 26},       {"Br", 79.904, 35},     {"Ag", 107.8682, 47},
                         {"I", 126.90447, 53},     {"Ba", 137.327, 56},    {"Pb", 207.2, 82}});
    }
};

// What a teacher's edits get wrong, each line with the reason the message gives for it.
TEST_F(ConstantsTest, EveryLineThatCannotBeUsedIsLeftOutWithItsNumberAndReason) {
    const struct {
        const char* line;
        const char* reason;  // nullptr: the line is used
    } kLines[] = {
        {"N2O4 <=> 2 NO2 ; Kc = 4,6e-3 ; 25 ºC", nullptr},
        {"H2 + I2 <=> HI ; Kc = 50.5 ; 448 °C", "no está ajustada (H: 2 en reactivos, 1 en productos)"},
        {"N2 + 3 H2 -> 2 NH3 ; Kc = 0.105", "un equilibrio se escribe con \"<=>\", no con \"->\""},
        {"N2 + 3 H2 = 2 NH3 ; Kc = 0.105", "le falta \"<=>\" entre reactivos y productos"},
        {"2 SO2 + O2 <=> 2 SO3 ; Kc = 2.8e2 ; 1000", "temperatura sin unidad: \"1000\" (escriba, por ejemplo, 448 °C o 721 K)"},
        {"2 SO2 + O2 <=> 2 SO3 ; Kc = 2.8e2 ; -300 °C", "temperatura imposible: -300 °C"},
        {"CH3COOH ; ácido acético ; Ka = 1.8e5", "Ka debe ser menor que 1"},
        {"CH3COOH ; ácido acético ; Ka = 1,8·10^-5", "valor de Ka no válido: \"1,8·10^-5\" (escriba, por ejemplo, 1.8e-5)"},
        {"CH3COOH ; Ka = 1.8e-5", "un ácido se escribe: fórmula ; nombre ; Ka = valor"},
        {"NH4+ ; ion amonio ; Ka = 5.6e-10", nullptr},
        {"CH3COOH ; ácido etanoico ; Ka = 1.8e-5", nullptr},
        {"CH3COOH ; ácido acético ; Ka = 1.75e-5", "repite CH3COOH de la línea 12"},
        {"NH3 ; amoníaco ; Kb = 0", "Kb debe ser mayor que 0"},
        {"CH3COO- ; ion acetato ; Kb = 5.6e-10",
         "un anión no se admite como ácido o base: escriba el ácido del que viene, y su sal sale de él"},
        {"Xx3N ; xenamina ; Kb = 1e-5", "Xx no está en la tabla de elementos"},
        {"CH3NH2 ; metilamina ; K = 4.4e-4", "le falta la constante: Kc, Ka, Kb o Ks = valor"},
        {"CH3NH2 ; metilamina ; Kd = 4.4e-4", "constante desconocida Kd (se espera Kc, Ka, Kb o Ks)"},
        {"Ca3(PO4)2 ; Ca 2+ 3 ; PO4 3- 2 ; Kps = 2.0e-29", nullptr},
        {"Ca3(PO4)2 ; Ca 2+ 2 ; PO4 3- 2 ; Ks = 2.0e-29", "las cargas no se compensan: +4 de los cationes y -6 de los aniones"},
        {"Ag2CrO4 ; Ag + 1 ; CrO4 - 1 ; Ks = 1.2e-12", "Ag2CrO4 no se forma con 1 Ag y 1 CrO4"},
        {"PbI2 ; I - 2 ; Pb 2+ 1 ; Ks = 1.4e-8", "el catión I tiene carga negativa"},
        {"PbI2 ; Pb2+ 1 ; I - 2 ; Ks = 1.4e-8", "la carga del catión va aparte de su fórmula, como en Ca 2+ 3"},
        {"PbI2 ; Pb 2 1 ; I - 2 ; Ks = 1.4e-8", "carga no válida del catión: \"2\" (escriba, por ejemplo, 2+ o 3-)"},
        {"PbI2 ; Pb ; I - 2 ; Ks = 1.4e-8", "el catión se escribe fórmula, carga y número: Ca 2+ 3"},
        {"AgCl ; Ag + ; Cl - ; Ks = 1.8e-10 ; 25 °C ; agua", "una sal se escribe: fórmula ; catión ; anión ; Ks = valor"},
        {"AgCl ; Ag + ; Cl - ; Ks = 1.8e-10", nullptr},
        {"AgBr;Ag + 1;Br - 1;ks=5.0e-13;", nullptr},
    };
    std::string contents = "# mis constantes\r\n";
    for (const auto& row : kLines) contents += std::string(row.line) + "\r\n";
    const ConstantsList list = ReadConstantsList(contents);
    std::size_t left = 0;
    for (std::size_t i = 0; i < std::size(kLines); ++i) {
        if (kLines[i].reason == nullptr) continue;
        ASSERT_LT(left, list.leftOut.size()) << kLines[i].line;
        EXPECT_EQ(list.leftOut[left].number, int(i) + 2) << kLines[i].line;
        EXPECT_EQ(list.leftOut[left].reason, kLines[i].reason) << kLines[i].line;
        ++left;
    }
    EXPECT_EQ(list.leftOut.size(), left);
    ASSERT_EQ(list.equilibria.size(), 1u);
    EXPECT_EQ(list.equilibria[0].reaction.text, "N2O4 <=> 2 NO2");
    EXPECT_DOUBLE_EQ(list.equilibria[0].kc, 4.6e-3);
    EXPECT_DOUBLE_EQ(list.equilibria[0].kelvin, 298.15);
    EXPECT_TRUE(list.equilibria[0].reaction.reactants[0].gas) << "N2O4 is a gas without its mark";
    ASSERT_EQ(list.acids.size(), 2u);
    EXPECT_EQ(list.acids[0].compound.formula, "NH4+");
    EXPECT_NEAR(list.acids[0].compound.molarMass, 18.039, 1e-9);
    EXPECT_EQ(list.acids[1].name, "ácido etanoico");
    EXPECT_TRUE(list.bases.empty());
    ASSERT_EQ(list.salts.size(), 3u);
    EXPECT_DOUBLE_EQ(list.salts[2].ks, 5.0e-13);
    EXPECT_EQ(list.salts[0].compound.formula, "Ca3(PO4)2");
    EXPECT_EQ(list.salts[0].anion.formula, "PO4");
    EXPECT_EQ(list.salts[0].anion.charge, -3);
    EXPECT_EQ(list.salts[0].anion.count, 2);
    EXPECT_EQ(list.salts[1].cation.count, 1);
}

// Each of the substances and reactions that the exercises of 2º Bachillerato ask for.
TEST_F(ConstantsTest, TheProgramsListReadsWholeAndHoldsWhatTheClassesUse) {
    const ConstantsList list = ReadConstantsList(DefaultConstantsText());
    EXPECT_TRUE(list.leftOut.empty()) << ConstantsLeftOutMessage(list);
    std::vector<std::string> reactions, acids, bases, salts;
    for (const Equilibrium& e : list.equilibria) reactions.push_back(e.reaction.text);
    for (const WeakElectrolyte& a : list.acids) acids.push_back(a.compound.formula + " " + a.name);
    for (const WeakElectrolyte& b : list.bases) bases.push_back(b.compound.formula + " " + b.name);
    for (const SparinglySoluble& s : list.salts) salts.push_back(s.compound.formula);
    EXPECT_EQ(reactions, (std::vector<std::string>{"H2 + I2 <=> 2 HI", "N2O4 <=> 2 NO2", "PCl5 <=> PCl3 + Cl2",
                                                   "N2 + 3 H2 <=> 2 NH3", "CO + H2O <=> CO2 + H2",
                                                   "2 SO2 + O2 <=> 2 SO3", "COCl2 <=> CO + Cl2"}));
    EXPECT_EQ(acids, (std::vector<std::string>{"CH3COOH ácido acético", "HCOOH ácido fórmico",
                                               "HF ácido fluorhídrico", "HNO2 ácido nitroso",
                                               "HCN ácido cianhídrico", "HClO ácido hipocloroso",
                                               "C6H5COOH ácido benzoico", "NH4+ ion amonio"}));
    EXPECT_EQ(bases, (std::vector<std::string>{"NH3 amoníaco", "CH3NH2 metilamina"}));
    EXPECT_EQ(salts, (std::vector<std::string>{"AgCl", "AgBr", "AgI", "BaSO4", "CaCO3", "CaF2", "PbI2", "PbCl2",
                                               "Ag2CrO4", "Mg(OH)2", "Fe(OH)3", "Ca3(PO4)2"}));
    // The temperature where the line gives one: H2 + I2 at 448 °C, SO3 at 1000 K.
    EXPECT_DOUBLE_EQ(list.equilibria[0].kelvin, 721.15);
    EXPECT_DOUBLE_EQ(list.equilibria[5].kelvin, 1000);
    EXPECT_DOUBLE_EQ(list.acids[0].kelvin, kStandardKelvin);
    // The comment names the one table the values come from.
    EXPECT_NE(DefaultConstantsText().find("\"Química. La ciencia central\"\r\n# (Pearson), apéndice D"),
              std::string::npos);
}

TEST_F(ConstantsTest, AFileThatNotepadSavedAsUtf8ReadsAsItWasWritten) {
    const std::string notepad =
        "# constantes \xE2\x80\x94 2\xC2\xBA Bachillerato\r\n"
        "CH3COOH ; \xC3\xA1" "cido ac\xC3\xA9tico ; Ka = 1.8e-5   # \xE2\x9C\x93\r\n"
        "H2 + I2 \xE2\x87\x8C 2 HI ; Kc = 50.5 ; 448 \xC2\xB0" "C\r\n"
        "N2O4 <=> 2 NO2 ; Kc = 0.212 ; 100 \xC2\xB0" "C\r\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + notepad, notepad}) {
        const ConstantsList list = ReadConstantsList(bytes);
        ASSERT_EQ(list.acids.size(), 1u);
        EXPECT_EQ(list.acids[0].name, "ácido acético");
        ASSERT_EQ(list.equilibria.size(), 1u);
        EXPECT_DOUBLE_EQ(list.equilibria[0].kelvin, 373.15);
        EXPECT_EQ(ConstantsLeftOutMessage(list), "Se dejan fuera estas líneas de constantes.txt:\r"
                                                 "línea 3: el carácter U+21CC no existe en Windows-1252 (ANSI)");
    }
}

TEST_F(ConstantsTest, AMissingFileGetsTheDefaultListWrittenAndBadLinesAreToldAtEachLoad) {
    ASSERT_FALSE(fs::exists(kConstantsFile));
    LoadConstants();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ReadAll(kConstantsFile), DefaultConstantsText());
    EXPECT_EQ(Constants.salts.size(), 12u);
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
        EXPECT_EQ(entry.path().filename(), kConstantsFile) << "no temporary file is left";
    }
    // Windows-1252 with CRLF ends: "ácido" with its one-byte á, no bare line feed.
    const std::string text = ReadAll(kConstantsFile);
    EXPECT_NE(text.find(std::string(1, char(0xE1)) + "cido ac" + char(0xE9) + "tico"), std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "line feed alone at " << i;
        }
    }

    WriteAll(kConstantsFile, "HF ; ácido fluorhídrico ; Ka = 6.8e-4\r\nF- ; ion fluoruro ; Kb = 1.5e-11 ; 25\r\n");
    LoadConstants();
    EXPECT_EQ(Constants.acids.size(), 1u);
    EXPECT_TRUE(Constants.salts.empty());
    ASSERT_EQ(ui.boxes, (ShownBoxes{{"Constantes",
                                     "Se dejan fuera estas líneas de constantes.txt:\r"
                                     "línea 2: temperatura sin unidad: \"25\" (escriba, por ejemplo, 448 °C o 721 K)",
                                     kBoxOk | kBoxIconExclamation}}));
    EXPECT_EQ(ReadAll(kConstantsFile).substr(0, 2), "HF") << "the teacher's file is left as it was";
}

TEST_F(ConstantsTest, AFileThatCannotBeReadIsLeftAloneAndTheDefaultListServes) {
    fs::create_directories(fs::path(kConstantsFile) / "inside");
    LoadConstants();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.rfind("No se puede leer el fichero constantes.txt (", 0), 0u) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find(").\rSe usa la lista de constantes del programa."), std::string::npos);
    EXPECT_TRUE(fs::is_directory(fs::path(kConstantsFile) / "inside"));
    EXPECT_EQ(Constants.equilibria.size(), 7u);
}

// The next day the teacher opens the sheet and makes its versions without visiting a topic:
// the list is read first, and what it has to tell is told once, not taken as a failure.
TEST_F(ConstantsTest, VersionsMadeBeforeAnyVisitOfTheRunReadTheListFirst) {
    const struct {
        uint16_t topic;
        uint8_t subKind;
        const char* picked;
    } picks[] = {{9, 1, "N2O4 <=> 2 NO2"}, {10, 1, "CH3COOH"}, {11, 2, "PbI2"}};
    for (const auto& pick : picks) {
        ui.subKinds = {pick.subKind, 0};
        ui.reactions.push_back(std::string(pick.picked));
        RunTopic(*FindTopic(pick.topic));
    }
    ASSERT_EQ(Batch.count, 3);
    WriteAll(kConstantsFile, DefaultConstantsText() + "NaCl ; Ks\r\n");
    Constants = ConstantsList{};
    ConstantsRead = false;
    ui.boxes.clear();
    for (int n = 1; n <= Batch.count; ++n) {
        ExerciseRecord made;
        std::string why;
        EXPECT_TRUE(RemakeExercise(Batch.Slot(n), 5, 'B', n, 0, made, why)) << n << ": " << why;
        EXPECT_NE(made.statement, Batch.Slot(n).statement);
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.rfind("Se dejan fuera estas líneas de constantes.txt:\rlínea ", 0), 0u) << ui.boxes[0].text;
}

}  // namespace
