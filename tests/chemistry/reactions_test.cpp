#include "chemistry/reactions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/chemistry/course_topics_support.h"

namespace {

namespace fs = std::filesystem;

class ReactionTest : public CourseTopicTest {};

// Atoms of each element on one side, counted independently of the reader's own check.
std::map<std::string, long> Atoms(const std::vector<Substance>& side) {
    std::map<std::string, long> atoms;
    for (const Substance& substance : side) {
        for (int i = 1; i <= substance.compound.count; ++i) {
            atoms[substance.compound.Component(i).symbol] +=
                long(substance.coefficient) * substance.compound.Component(i).atoms;
        }
    }
    return atoms;
}

double Mass(const std::vector<Substance>& side) {
    double mass = 0;
    for (const Substance& substance : side) mass += substance.coefficient * substance.compound.molarMass;
    return mass;
}

TEST_F(ReactionTest, AReactionIsReadIntoCoefficientsFormulasAndGases) {
    Reaction reaction;
    ReactionProblem problem;
    ASSERT_TRUE(ReadReaction("  CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O ", reaction, problem)) << problem.reason;
    ASSERT_EQ(reaction.reactants.size(), 2u);
    ASSERT_EQ(reaction.products.size(), 3u);
    EXPECT_EQ(reaction.reactants[1].coefficient, 2);
    EXPECT_EQ(reaction.reactants[1].compound.formula, "HCl");
    EXPECT_NEAR(reaction.reactants[0].compound.molarMass, 100.086, 1e-9);
    EXPECT_FALSE(reaction.products[0].gas);
    EXPECT_TRUE(reaction.products[1].gas);   // CO2, a gas of the class's list
    EXPECT_FALSE(reaction.products[2].gas);  // water is taken as liquid
    EXPECT_EQ(reaction.text, "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O");
    EXPECT_EQ(ReactionMarkup(reaction), "CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O");
    EXPECT_TRUE(problem.reason.empty());
}

TEST_F(ReactionTest, WritingVariantsReadTheSame) {
    const std::pair<const char*, const char*> cases[] = {
        {"2H2+O2->2H2O", "2 H2 + O2 -> 2 H2O"},
        {"2  H2 +  O2   ->   2 H2O", "2 H2 + O2 -> 2 H2O"},
        {"1 N2 + 03 H2 -> 02 NH3", "N2 + 3 H2 -> 2 NH3"},
        {"Zn(s) + 2 HCl(aq) -> ZnCl2(aq) + H2(g)", "Zn(s) + 2 HCl(aq) -> ZnCl2(aq) + H2(g)"},
        {"2 H2O2(l) -> 2 H2O(g) + O2", "2 H2O2(l) -> 2 H2O(g) + O2"},
        {"Fe2(SO4)3 + 6 NaOH -> 2 Fe(OH)3 + 3 Na2SO4", "Fe2(SO4)3 + 6 NaOH -> 2 Fe(OH)3 + 3 Na2SO4"},
    };
    SetElementTable({{"H", 1.008, 1},
                     {"O", 15.999, 8},
                     {"N", 14.007, 7},
                     {"Zn", 65.38, 30},
                     {"Cl", 35.45, 17},
                     {"Fe", 55.845, 26},
                     {"S", 32.06, 16},
                     {"Na", 22.99, 11}});
    for (const auto& [text, written] : cases) {
        Reaction reaction;
        ReactionProblem problem;
        ASSERT_TRUE(ReadReaction(text, reaction, problem)) << text << ": " << problem.reason;
        EXPECT_EQ(reaction.text, written);
        Reaction again;
        EXPECT_TRUE(ReadReaction(reaction.text, again, problem)) << "the list's text reads back: " << written;
    }
}

TEST_F(ReactionTest, StateMarksDecideWhatIsAGas) {
    SetElementTable({{"H", 1.008, 1}, {"O", 15.999, 8}, {"N", 14.007, 7}, {"Zn", 65.38, 30}, {"Cl", 35.45, 17}});
    Reaction reaction;
    ReactionProblem problem;
    ASSERT_TRUE(ReadReaction("2 H2O2 -> 2 H2O(g) + O2(l)", reaction, problem));
    EXPECT_TRUE(reaction.products[0].gas);   // marked
    EXPECT_FALSE(reaction.products[1].gas);  // a gas of the list, marked liquid
    ASSERT_TRUE(ReadReaction("NH3(aq) + HCl -> NH4Cl", reaction, problem));
    EXPECT_FALSE(reaction.reactants[0].gas);
    EXPECT_FALSE(reaction.reactants[1].gas);  // hydrochloric acid is taken as a solution
}

TEST_F(ReactionTest, WhatIsNotABalancedReactionIsToldWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "está vacía"},
        {"   \t ", "está vacía"},
        {"CH4 + 2 O2 = CO2 + 2 H2O", "le falta la flecha \"->\" entre reactivos y productos"},
        {"A -> B -> C", "tiene más de una flecha \"->\""},
        {"H2 + -> H2", "le falta una sustancia"},
        {"-> H2O", "le falta una sustancia"},
        {"2 H2 + O2 ->", "le falta una sustancia"},
        {"0 H2 -> 0 H2", "coeficiente no válido: 0"},
        {"100 H2 -> 100 H2", "coeficiente no válido: 100"},
        {"2 -> H2", "al coeficiente 2 le falta la fórmula"},
        {"H2 + O2 -> H2O", "no está ajustada (O: 2 en reactivos, 1 en productos)"},
        {"CH4 + O2 -> CO2 + 2 H2O", "no está ajustada (O: 2 en reactivos, 4 en productos)"},
        {"H2 -> O2", "no está ajustada (H: 2 en reactivos, 0 en productos)"},
        {"2 h2 + O2 -> 2 H2O", "carácter no válido \"h\" en h2"},
        {"H2 O + CO2 -> H2CO3", "carácter no válido \" \" en H2 O"},
        {"H2\tO + CO2 -> H2CO3", "carácter no válido de código 9 en H2?O"},
        {"Na+ + Cl- -> NaCl", "le falta una sustancia"},
        {"Xe + 2 F2 -> XeF4", "Xe no está en la tabla de elementos"},
        {"() -> H2", "fórmula sin elementos: ()"},
        {"CH3CH2CH2CH2CH2CH2CH3 + 11 O2 -> 7 CO2 + 8 H2O", "fórmula de más de 20 caracteres: CH3CH2CH2CH2CH2CH2CH3..."},
        {"A + B + C + D + E -> F + G + H + I", "A no está en la tabla de elementos"},
        {"H2 + H2 + H2 + H2 + H2 -> H2 + H2 + H2 + H2 + H2", "tiene más de 8 sustancias"},
        {"C12H22O11 + 12 O2 -> 12 CO2 + 11 H2O + C12H22O11 + 12 O2 -> 12 CO2", "tiene más de una flecha \"->\""},
        {"2 C12H22O11 + 24 O2 -> 24 CO2 + 22 H2O + 2 C12H22O11 + 24 O2 + 24 CO2 + 22 H2O",
         "no está ajustada (C: 24 en reactivos, 72 en productos)"},
        {"C12H22O11 + 12 O2 + C12H22O11 + 12 O2 -> 24 CO2 + 22 H2O", "es demasiado larga para un enunciado"},
    };
    for (const auto& [text, reason] : cases) {
        Reaction reaction;
        ReactionProblem problem;
        EXPECT_FALSE(ReadReaction(text, reaction, problem)) << text;
        EXPECT_EQ(problem.reason, reason) << text;
        EXPECT_EQ(problem.missingSymbol.empty(), std::string(reason).find("tabla") == std::string::npos) << text;
    }
    EXPECT_TRUE(ui.boxes.empty()) << "the reader says nothing to the user";
}

// An element that only the products hold is counted too: the reactants' side alone balances.
TEST_F(ReactionTest, AnElementOnlyAmongTheProductsUnbalancesTheReaction) {
    const std::pair<const char*, const char*> cases[] = {
        {"H2 -> H2O", "no está ajustada (O: 0 en reactivos, 1 en productos)"},
        {"2 Na + Cl2 -> 2 NaCl + O2", "no está ajustada (O: 0 en reactivos, 2 en productos)"},
    };
    for (const auto& [text, reason] : cases) {
        Reaction reaction;
        ReactionProblem problem;
        EXPECT_FALSE(ReadReaction(text, reaction, problem)) << text;
        EXPECT_EQ(problem.reason, reason) << text;
    }
}

TEST_F(ReactionTest, AnElementThatWeighsNothingIsRefused) {
    SetElementTable({{"H", 1.008, 1}, {"Q", 0, 0}});
    Reaction reaction;
    ReactionProblem problem;
    EXPECT_FALSE(ReadReaction("2 Q -> Q2", reaction, problem));
    EXPECT_EQ(problem.reason, "Q tiene masa molar 0 en la tabla de elementos");
}

TEST_F(ReactionTest, EveryDefaultReactionBalancesAndConservesMass) {
    const ReactionList list = ReadReactionList(DefaultReactionsText());
    EXPECT_TRUE(list.leftOut.empty()) << list.leftOut.front().number << ": " << list.leftOut.front().reason;
    EXPECT_GE(list.reactions.size(), 15u);
    for (const Reaction& reaction : list.reactions) {
        EXPECT_EQ(Atoms(reaction.reactants), Atoms(reaction.products)) << reaction.text;
        EXPECT_NEAR(Mass(reaction.reactants), Mass(reaction.products), 1e-9) << reaction.text;
    }
    // The list: combustions, fermentation, neutralisations, metals with acid,
    // decompositions, limestone with acid, ammonia, iron(III) oxide with carbon monoxide.
    std::vector<std::string> texts;
    for (const Reaction& reaction : list.reactions) texts.push_back(reaction.text);
    for (const char* expected :
         {"CH4 + 2 O2 -> CO2 + 2 H2O", "C3H8 + 5 O2 -> 3 CO2 + 4 H2O", "2 C4H10 + 13 O2 -> 8 CO2 + 10 H2O",
          "C2H5OH + 3 O2 -> 2 CO2 + 3 H2O", "C6H12O6 + 6 O2 -> 6 CO2 + 6 H2O", "C6H12O6 -> 2 C2H5OH + 2 CO2",
          "HCl + NaOH -> NaCl + H2O", "Zn + 2 HCl -> ZnCl2 + H2", "2 Al + 6 HCl -> 2 AlCl3 + 3 H2",
          "CaCO3 -> CaO + CO2", "2 KClO3 -> 2 KCl + 3 O2", "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O", "N2 + 3 H2 -> 2 NH3",
          "Fe2O3 + 3 CO -> 2 Fe + 3 CO2"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
}

TEST_F(ReactionTest, TheReactingMolesFollowTheCoefficients) {
    Reaction reaction;
    ReactionProblem problem;
    ASSERT_TRUE(ReadReaction("2 C4H10 + 13 O2 -> 8 CO2 + 10 H2O", reaction, problem));
    const double butane = 1.5;
    double reactantGrams = 0, productGrams = 0;
    for (const Substance& substance : reaction.reactants) {
        reactantGrams += ReactingMoles(butane, reaction.reactants[0], substance) * substance.compound.molarMass;
    }
    for (const Substance& substance : reaction.products) {
        productGrams += ReactingMoles(butane, reaction.reactants[0], substance) * substance.compound.molarMass;
    }
    EXPECT_DOUBLE_EQ(ReactingMoles(butane, reaction.reactants[0], reaction.reactants[1]), 9.75);
    EXPECT_DOUBLE_EQ(ReactingMoles(butane, reaction.reactants[0], reaction.products[1]), 7.5);
    EXPECT_NEAR(reactantGrams, productGrams, 1e-9);
}

// ---- The list of reacciones.txt

TEST_F(ReactionTest, AFileWithBadLinesKeepsTheGoodOnesAndNamesTheOthersOnce) {
    WriteAll(kReactionsFile,
                   "# mis reacciones\r\n"
                   "CH4 + 2 O2 -> CO2 + 2 H2O\r\n"
                   "\r\n"
                   "H2 + O2 -> H2O          # sin ajustar\r\n"
                   "Zn + 2 HCl -> ZnCl2 + H2\n"
                   "2 Xe + F2 -> 2 XeF\r\n"
                   "CaCO3 => CaO + CO2\r\n"
                   "   # solo un comentario\r\n"
                   "N2 + 3 H2 -> 2 NH3");  // no line end after the last
    LoadReactions();
    ASSERT_EQ(Reactions.size(), 3u);
    EXPECT_EQ(Reactions[0].text, "CH4 + 2 O2 -> CO2 + 2 H2O");
    EXPECT_EQ(Reactions[1].text, "Zn + 2 HCl -> ZnCl2 + H2");
    EXPECT_EQ(Reactions[2].text, "N2 + 3 H2 -> 2 NH3");
    ASSERT_EQ(ui.boxes, (ShownBoxes{{"Reacciones",
                                     "Se dejan fuera estas líneas de reacciones.txt:\r"
                                     "línea 4: no está ajustada (O: 2 en reactivos, 1 en productos)\r"
                                     "línea 6: Xe no está en la tabla de elementos\r"
                                     "línea 7: le falta la flecha \"->\" entre reactivos y productos",
                                     kBoxOk | kBoxIconExclamation}}));
    // The teacher's file is left as it was.
    EXPECT_EQ(ReadAll(kReactionsFile).substr(0, 17), "# mis reacciones\r");
    // Each load tells once more; nothing else is asked.
    LoadReactions();
    EXPECT_EQ(ui.boxes.size(), 2u);
}

// Notepad saves UTF-8, with or without the byte-order mark: the file reads as the
// Windows-1252 it stands for, and a line that Windows-1252 cannot hold is left out with its
// reason, unless the character is only in its comment.
TEST_F(ReactionTest, AFileThatNotepadSavedAsUtf8ReadsAsItWasWritten) {
    const std::string notepad =
        "# combusti\xC3\xB3n y s\xC3\xADntesis \xE2\x80\x94 2\xC2\xBA\r\n"
        "CH4 + 2 O2 -> CO2 + 2 H2O   # \xE2\x9C\x93 en clase\r\n"
        "N2 + 3 H2 \xE2\x86\x92 2 NH3\r\n"
        "2 H2 + O2 -> 2 H2O\r\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + notepad, notepad}) {
        const ReactionList list = ReadReactionList(bytes);
        ASSERT_EQ(list.reactions.size(), 2u);
        EXPECT_EQ(list.reactions[0].text, "CH4 + 2 O2 -> CO2 + 2 H2O");
        EXPECT_EQ(list.reactions[1].text, "2 H2 + O2 -> 2 H2O");
        EXPECT_EQ(LeftOutMessage(list), "Se dejan fuera estas líneas de reacciones.txt:\r"
                                        "línea 3: el carácter U+2192 no existe en Windows-1252 (ANSI)");
    }
}

// The count of the lines that the message has no room for is Spanish for one line too.
TEST_F(ReactionTest, OneLineBeyondTheMessageIsOneLineMore) {
    ReactionList list;
    for (int number = 1; number <= 3; ++number) list.leftOut.push_back({number, std::string(60, 'x')});
    EXPECT_EQ(LeftOutMessage(list), "Se dejan fuera estas líneas de reacciones.txt:\r"
                                    "línea 1: " + std::string(60, 'x') + "\rlínea 2: " + std::string(60, 'x') +
                                    "\ry 1 línea más.");
}

TEST_F(ReactionTest, AMissingFileGetsTheDefaultListWrittenBesideTheElements) {
    ASSERT_FALSE(fs::exists(kReactionsFile));
    LoadReactions();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ReadAll(kReactionsFile), DefaultReactionsText());
    EXPECT_EQ(Reactions.size(), ReadReactionList(DefaultReactionsText()).reactions.size());
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
        EXPECT_EQ(entry.path().filename(), kReactionsFile) << "no temporary file is left";
    }
    // Windows-1252 text with CRLF ends: "estequiometría" with its one-byte í, no bare line feed.
    const std::string text = ReadAll(kReactionsFile);
    EXPECT_NE(text.find(std::string("estequiometr") + char(0xED) + "a."), std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "line feed alone at " << i;
        }
    }
}

TEST_F(ReactionTest, AFileThatCannotBeReadIsLeftAloneAndTheDefaultListServes) {
    fs::create_directories(fs::path(kReactionsFile) / "inside");
    LoadReactions();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.rfind("No se puede leer el fichero reacciones.txt (", 0), 0u) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find(").\rSe usa la lista de reacciones del programa."), std::string::npos);
    EXPECT_TRUE(fs::is_directory(fs::path(kReactionsFile) / "inside"));
    EXPECT_EQ(Reactions.size(), ReadReactionList(DefaultReactionsText()).reactions.size());
}

TEST_F(ReactionTest, ATableWithoutAnElementLeavesOutTheDefaultReactionsThatNeedIt) {
    SetElementTable({{"H", 1.008, 1}, {"C", 12.011, 6}, {"O", 15.999, 8}});
    LoadReactions();
    EXPECT_EQ(Reactions.size(), 7u);  // the five combustions, the fermentation and water
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_LE(ui.boxes[0].text.size(), 255u);
    EXPECT_NE(ui.boxes[0].text.find("línea 11: Cl no está en la tabla de elementos"), std::string::npos)
        << ui.boxes[0].text;
}

TEST_F(ReactionTest, ManyBadLinesStillMakeOneMessageThatFits) {
    std::string contents;
    for (int i = 0; i < 300; ++i) contents += "H2 + O2 -> H2O\n";
    for (int i = 0; i < 130; ++i) contents += "2 H2 + O2 -> 2 H2O\n";
    const ReactionList list = ReadReactionList(contents);
    EXPECT_EQ(list.reactions.size(), kReactionRoom);
    EXPECT_EQ(list.beyondRoom, 30);
    EXPECT_EQ(list.leftOut.size(), 300u);
    const std::string message = LeftOutMessage(list);
    EXPECT_LE(message.size(), 255u);
    EXPECT_EQ(message.rfind("Se dejan fuera estas líneas de reacciones.txt:\rlínea 1: no está ajustada", 0), 0u);
    EXPECT_NE(message.find(" líneas más.\rSe usan las 100 primeras reacciones; 30 más no caben."), std::string::npos)
        << message;
    EXPECT_EQ(LeftOutMessage(ReadReactionList("2 H2 + O2 -> 2 H2O\n# nada más\n")), "");
}

// ---- The question for the reaction of an exercise

TEST_F(ReactionTest, APickedOrTypedReactionIsReadWithTheListShownAndTheLastProposed) {
    LoadReactions();
    Elements.Slot(++Elements.count) = MakeElement("Mg", "Magnesio", 12, 24.305);
    Reaction reaction;
    Pick({"CaCO3 -> CaO + CO2", "Mg + 2 HCl -> MgCl2 + H2"});
    ASSERT_TRUE(AskReaction(reaction));
    EXPECT_EQ(reaction.text, "CaCO3 -> CaO + CO2");
    ASSERT_TRUE(AskReaction(reaction));  // typed: not in the list
    EXPECT_EQ(reaction.text, "Mg + 2 HCl -> MgCl2 + H2");
    EXPECT_NEAR(reaction.products[0].compound.molarMass, 95.205, 1e-9);
    ASSERT_EQ(ui.reactionLists.size(), 2u);
    EXPECT_EQ(ui.reactionLists[0].size(), Reactions.size());
    EXPECT_EQ(ui.reactionLists[0][0], "CH4 + 2 O2 -> CO2 + 2 H2O");
    EXPECT_EQ(ui.proposedReactions, (std::vector<std::string>{"", "CaCO3 -> CaO + CO2"}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ReactionTest, ATypedReactionThatDoesNotBalanceIsRefusedAndProposedAgain) {
    Reaction reaction;
    Pick({"  H2 + O2 -> H2O ", "2 H2 + O2 -> 2 H2O"});
    EXPECT_FALSE(AskReaction(reaction));
    ASSERT_EQ(ui.boxes, (ShownBoxes{{"Reacción incorrecta",
                                     "H2 + O2 -> H2O\rno está ajustada (O: 2 en reactivos, 1 en productos)",
                                     kBoxOk | kBoxIconExclamation}}));
    EXPECT_TRUE(reaction.reactants.empty());
    EXPECT_TRUE(AskReaction(reaction));
    EXPECT_EQ(ui.proposedReactions[1], "H2 + O2 -> H2O");
    EXPECT_EQ(reaction.products[0].coefficient, 2);
}

TEST_F(ReactionTest, AnUnknownElementGetsTheQuestionOfTheFormulaPrompt) {
    Reaction reaction;
    Pick({"Mg + 2 HCl -> MgCl2 + H2", "Mg + 2 HCl -> MgCl2 + H2"});
    ui.boxAnswers = {kAnswerYes};
    ui.onElementEditor = [] { Elements.Slot(++Elements.count) = MakeElement("Mg", "Magnesio", 12, 24.305); };
    EXPECT_FALSE(AskReaction(reaction));
    ASSERT_EQ(ui.boxes,
              (ShownBoxes{{"* Error *", "Mg no está en la base de datos\r¿añadir?", kBoxYesNo | kBoxIconExclamation}}));
    EXPECT_EQ(ui.elementEditorOpened, 1);
    // Added in the editor: the same reaction now reads.
    EXPECT_TRUE(AskReaction(reaction));
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(ReactionTest, CancellingOrAnEmptyAnswerChangesNothingAndSaysNothing) {
    Reaction reaction;
    ReactionProblem problem;
    ASSERT_TRUE(ReadReaction("N2 + 3 H2 -> 2 NH3", reaction, problem));
    ui.reactions.push_back(std::nullopt);
    Pick({"   "});
    EXPECT_FALSE(AskReaction(reaction));
    EXPECT_FALSE(AskReaction(reaction));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(reaction.text, "N2 + 3 H2 -> 2 NH3");
    EXPECT_EQ(reaction.products.size(), 1u);
}

// ---- The formula reader that says nothing

TEST_F(ReactionTest, TheSilentFormulaReaderReturnsWhatTheVocalOneWouldSay) {
    const struct {
        const char* text;
        FormulaProblem::Kind kind;
        char character;
        const char* symbol;
    } cases[] = {
        {"H2O", FormulaProblem::Kind::None, 0, ""},
        {"2H2O", FormulaProblem::Kind::WrongCharacter, '2', ""},
        {"NaCll", FormulaProblem::Kind::WrongCharacter, 'l', ""},
        {"H2 O", FormulaProblem::Kind::WrongCharacter, ' ', ""},
        {"HXe", FormulaProblem::Kind::MissingElement, 0, "Xe"},
        {"XeQ", FormulaProblem::Kind::MissingElement, 0, "Xe"},
    };
    for (const auto& c : cases) {
        FormulaProblem problem;
        {
            ScriptedUi silent;
            Compound compound;
            EXPECT_EQ(ReadFormula(compound, c.text, problem), c.kind == FormulaProblem::Kind::None) << c.text;
            EXPECT_EQ(problem.kind, c.kind) << c.text;
            EXPECT_EQ(problem.character, c.character) << c.text;
            EXPECT_EQ(problem.symbol, c.symbol) << c.text;
            EXPECT_EQ(compound.formula, c.text) << "stored for correction";
            EXPECT_TRUE(silent.boxes.empty()) << c.text;
        }
        // The parser that talks shows exactly what TellFormulaProblem shows.
        const bool asks = c.kind == FormulaProblem::Kind::MissingElement;
        std::vector<ShownBox> parsed, told;
        {
            ScriptedUi vocal;
            if (asks) vocal.boxAnswers.push_back(kAnswerNo);
            Compound again;
            EXPECT_EQ(ParseFormula(again, c.text), c.kind == FormulaProblem::Kind::None);
            parsed = vocal.boxes;
        }
        {
            ScriptedUi teller;
            if (asks) teller.boxAnswers.push_back(kAnswerNo);
            TellFormulaProblem(problem);
            told = teller.boxes;
        }
        EXPECT_EQ(parsed.size(), c.kind == FormulaProblem::Kind::None ? 0u : 1u) << c.text;
        ASSERT_EQ(parsed.size(), told.size()) << c.text;
        for (std::size_t i = 0; i < parsed.size(); ++i) {
            EXPECT_EQ(parsed[i].caption, told[i].caption);
            EXPECT_EQ(parsed[i].text, told[i].text);
            EXPECT_EQ(parsed[i].flags, told[i].flags);
        }
    }
    SetUserInteraction(&ui);
}

}  // namespace
