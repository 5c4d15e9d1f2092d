#include "chemistry/formula.h"

#include <gtest/gtest.h>

#include "shell/program.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/scripted_ui.h"
#include "util/language.h"
#include "util/strings.h"

namespace {

const std::string kWrongFormula = "Fórmula incorrecta     ";

// "H2 O1": each component's symbol and atoms, in order.
std::string Describe(const Compound& compound) {
    std::string text;
    for (int i = 1; i <= compound.count; ++i) {
        if (!text.empty()) text += ' ';
        text += compound.Component(i).symbol + std::to_string(compound.Component(i).atoms);
    }
    return text;
}

class FormulaTest : public ::testing::Test {
protected:
    void SetUp() override { SetExampleTable(); }

    ScriptedUi ui;
    Compound compound;
};

struct ParseCase {
    const char* text;
    const char* components;
};

class ParsesTo : public FormulaTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParsesTo, ComponentsInOrderOfFirstAppearance) {
    ASSERT_TRUE(ParseFormula(compound, GetParam().text));
    EXPECT_EQ(Describe(compound), GetParam().components);
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParsesTo,
    ::testing::Values(ParseCase{"H2O", "H2 O1"}, ParseCase{"NaCl", "Na1 Cl1"}, ParseCase{"Ca(OH)2", "Ca1 O2 H2"},
                      ParseCase{"CH3COOH", "C2 H4 O2"}, ParseCase{"Fe2(SO4)3", "Fe2 S3 O12"},
                      ParseCase{"(NH4)2SO4", "N2 H8 S1 O4"}, ParseCase{"C12H22O11", "C12 H22 O11"},
                      ParseCase{"H123", "H12"},                 // a third digit is dropped
                      ParseCase{"Ca(OH)K2", "Ca1 O2 H2 K2"},    // the group takes the elements after ")"
                      ParseCase{"H2)2", "H4"},                  // ")" without "(" closes from the start
                      ParseCase{"(H99)99)99", "H52795"},        // counts wrap at 16 bits
                      ParseCase{"NaOH0", "Na1 O1 H0"},
                      ParseCase{"CH3CH2CH2CH2CH2OH", "C5 H12 O1"},  // twelve entries, more than 8
                      ParseCase{" H2O", "H2 O1"}, ParseCase{"H2O\t\r\n", "H2 O1"}, ParseCase{"()", ""}));

struct WrongCase {
    const char* text;
    const char* shown;  // the character at which the walk stopped
};

class RejectsAt : public FormulaTest, public ::testing::WithParamInterface<WrongCase> {};

TEST_P(RejectsAt, TheWrongCharacterAloneUnderTheWrongFormulaCaption) {
    EXPECT_FALSE(ParseFormula(compound, GetParam().text));
    ASSERT_EQ(ui.boxes, (ShownBoxes{{kWrongFormula, GetParam().shown, kBoxOk | kBoxIconExclamation}}));
    EXPECT_EQ(compound.formula, TrimText(GetParam().text)) << "kept for correction";
    EXPECT_EQ(ui.elementEditorOpened, 0);
}

INSTANTIATE_TEST_SUITE_P(Grammar, RejectsAt,
                         ::testing::Values(WrongCase{"2H2O", "2"}, WrongCase{"h2o", "h"}, WrongCase{"NaCll", "l"},
                                           WrongCase{"H2 O", " "}, WrongCase{"CuSO4.5H2O", "."},
                                           WrongCase{"Na+", "+"}, WrongCase{"(2)", "2"}, WrongCase{"H-", "-"},
                                           WrongCase{"NaÑ", "\xD1"}, WrongCase{"H2*", "*"}));

TEST_F(FormulaTest, OnlyTheFirst21CharactersAreWalkedAndTheFirst20Kept) {
    EXPECT_TRUE(ParseFormula(compound, std::string(25, 'H')));
    EXPECT_EQ(Describe(compound), "H21");
    EXPECT_EQ(compound.formula, std::string(20, 'H'));
    // A wrong character past the 21st is never seen.
    EXPECT_TRUE(ParseFormula(compound, std::string(21, 'H') + "#"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FormulaTest, TwentyOneDifferentElementsFitTheCompound) {
    Elements = ElementTable{};
    for (char c = 'A'; c <= 'U'; ++c) {
        Element& e = Elements.Slot(++Elements.count);
        e.symbol = std::string(1, c);
        e.mass = c - 'A' + 1;
        e.z = uint16_t(c);
    }
    ASSERT_TRUE(ParseFormula(compound, "ABCDEFGHIJKLMNOPQRSTU"));
    ASSERT_EQ(compound.count, 21);
    EXPECT_EQ(compound.Component(21).symbol, "U");
    EXPECT_EQ(compound.Component(21).mass, 21);
    EXPECT_EQ(MolarMass(compound), 231);  // 1 + 2 + ... + 21
}

TEST_F(FormulaTest, ComponentsTakeZAndMassFromTheTableButNotTheName) {
    SetElementTable({{"Na", 22.99, 11, "Sodio"}, {"Cl", 35.45, 17, "Cloro"}});
    ASSERT_TRUE(ParseFormula(compound, "NaCl"));
    EXPECT_EQ(compound.Component(1).z, 11);
    EXPECT_EQ(compound.Component(1).mass, 22.99);
    EXPECT_EQ(compound.Component(2).z, 17);
    EXPECT_EQ(compound.Component(2).name, "");
}

TEST_F(FormulaTest, AMissingElementIsAskedAboutAfterTheOnesBeforeItWereFound) {
    SetElementTable({{"H", 1.008, 1}});
    ui.boxAnswers.push_back(kAnswerNo);
    EXPECT_FALSE(ParseFormula(compound, "H2O"));
    ASSERT_EQ(ui.boxes,
              (ShownBoxes{{"* Error *", "O no está en la base de datos\r¿añadir?", kBoxYesNo | kBoxIconExclamation}}));
    EXPECT_EQ(ui.elementEditorOpened, 0);
    EXPECT_EQ(Elements.count, 1);
}

TEST_F(FormulaTest, OnlyTheFirstMissingElementIsAskedAbout) {
    Elements = ElementTable{};
    ui.boxAnswers.push_back(kAnswerNo);
    EXPECT_FALSE(ParseFormula(compound, "H2O"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "H no está en la base de datos\r¿añadir?");
}

TEST_F(FormulaTest, YesOpensTheElementEditorButTheFormulaMustBeAskedAgain) {
    SetElementTable({{"H", 1.008, 1}});
    ui.boxAnswers.push_back(kAnswerYes);
    ui.onElementEditor = [] {
        Element& oxygen = Elements.Slot(++Elements.count);
        oxygen.symbol = "O";
        oxygen.mass = 16;
        oxygen.z = 8;
    };
    EXPECT_FALSE(ParseFormula(compound, "H2O"));
    EXPECT_EQ(ui.elementEditorOpened, 1);
    ASSERT_TRUE(ParseFormula(compound, "H2O"));
    EXPECT_EQ(compound.Component(2).z, 8);
}

TEST_F(FormulaTest, MessagesFollowTheLanguage) {
    Elements = ElementTable{};
    struct {
        int language;
        const char* caption;
        const char* missing;
    } cases[] = {{0, "Fórmula incorrecta    ", "X no és a la base de dades\rafegir?"},
                 {1, "Wrong formula   ", "X is not at the database\radd it?"},
                 {2, "Fórmula incorrecta     ", "X no está en la base de datos\r¿añadir?"}};
    for (const auto& c : cases) {
        UiLanguage = c.language;
        ui.boxes.clear();
        ui.boxAnswers.push_back(kAnswerNo);
        EXPECT_FALSE(ParseFormula(compound, "h"));
        EXPECT_FALSE(ParseFormula(compound, "X"));
        ASSERT_EQ(ui.boxes.size(), 2u);
        EXPECT_EQ(ui.boxes[0].caption, c.caption);
        EXPECT_EQ(ui.boxes[1].text, c.missing);
    }
}

TEST_F(FormulaTest, MolarMassSumsAtomsTimesMassInOrder) {
    ASSERT_TRUE(ParseFormula(compound, "H2O"));
    EXPECT_EQ(MolarMass(compound), 18.016);
    EXPECT_EQ(compound.molarMass, 18.016);
    ASSERT_TRUE(ParseFormula(compound, "H2SO4"));
    EXPECT_EQ(MolarMass(compound), 98.076);
}

TEST_F(FormulaTest, MarkupSubscriptsEveryDigitAndDropsOtherCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"H2SO4", "H_2SO_4"}, {"C12H22O11", "C_1_2H_2_2O_1_1"}, {"Ca(OH)2", "Ca(OH)_2"}, {"NaCl", "NaCl"},
        {"H2 O.5#", "H_2O_5"}};
    for (const auto& [formula, markup] : cases) {
        compound.formula = formula;
        EXPECT_EQ(FormulaMarkup(compound), markup) << formula;
    }
}

TEST_F(FormulaTest, DataLineGivesEachMassInFiveCharactersWithTwoDecimals) {
    ASSERT_TRUE(ParseFormula(compound, "H2O"));
    EXPECT_EQ(FormulaDataLine(compound), "H =  1.01  O = 16.00  ");
    ASSERT_TRUE(ParseFormula(compound, "NaCl"));
    EXPECT_EQ(FormulaDataLine(compound), "Na = 22.99  Cl = 35.45  ");
}

// A user who accepts whatever the prompt proposes, possibly after typing over it.
class ProposalUi final : public UserInteraction {
public:
    ProposalUi() { SetUserInteraction(this); }
    ~ProposalUi() override { SetUserInteraction(nullptr); }
    std::vector<std::string> proposed;
    std::vector<std::string> prompts;
    std::string typed;  // empty: accept the proposal

    bool InputText(const std::string& prompt, std::string& text) override {
        prompts.push_back(prompt);
        proposed.push_back(text);
        if (!typed.empty()) text = typed;
        return true;
    }
    uint8_t Message(const std::string&, const std::string&, uint16_t) override { return kAnswerOk; }
    uint8_t ChooseSubKind(const std::string&) override { return 0; }
    bool ChooseReaction(const std::vector<std::string>&, std::string&) override { return false; }
    bool EditExercise(ExerciseRecord&) override { return false; }
    bool SaveSeries(std::string&, std::string&, int32_t&, bool&) override { return false; }
    uint16_t ShellOpen(const std::string&) override { return 0; }
    void OpenElementList() override {}
    void OpenElementEditor() override {}
};

TEST_F(FormulaTest, ThePromptProposesTheLastFormulaEvenARejectedOne) {
    ProposalUi user;
    user.typed = "H2 O";
    EXPECT_FALSE(AskFormula(compound));
    user.typed = "";
    EXPECT_FALSE(AskFormula(compound));
    user.typed = "H2O";
    EXPECT_TRUE(AskFormula(compound));
    user.typed = "";
    EXPECT_TRUE(AskFormula(compound));
    EXPECT_EQ(user.proposed, (std::vector<std::string>{"", "H2 O", "H2 O", "H2O"}));
    EXPECT_EQ(user.prompts[0], "fórmula:");
}

TEST_F(FormulaTest, AskFormulaParsesAndWeighsWhatTheUserTyped) {
    ui.texts.push_back(std::string(" Ca(OH)2 "));
    ASSERT_TRUE(AskFormula(compound));
    EXPECT_EQ(compound.formula, "Ca(OH)2");
    EXPECT_DOUBLE_EQ(compound.molarMass, 74.094);
    EXPECT_EQ(ui.prompts, std::vector<std::string>{"fórmula:"});
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FormulaTest, CancelAndEmptyTextsReturnFalseSilently) {
    compound.formula = "NaCl";
    ui.texts.push_back(std::nullopt);
    ui.texts.push_back(std::string(""));
    ui.texts.push_back(std::string("  \t "));
    EXPECT_FALSE(AskFormula(compound));
    EXPECT_FALSE(AskFormula(compound));
    EXPECT_FALSE(AskFormula(compound));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(compound.formula, "NaCl");
}

TEST_F(FormulaTest, AFormulaThatWeighsNothingIsRefusedAsWrong) {
    for (const char* text : {"()", "(())", "H0"}) {
        ui.boxes.clear();
        ui.texts.push_back(std::string(text));
        EXPECT_FALSE(AskFormula(compound)) << text;
        ASSERT_EQ(ui.boxes, (ShownBoxes{{kWrongFormula, text, kBoxOk | kBoxIconExclamation}})) << text;
    }
}

}  // namespace
