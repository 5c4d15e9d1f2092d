// Topic 10, "Ácidos y bases débiles": one exercise of each sub-kind exact to the byte, plain and
// in the classroom forms; over many draws of every substance of the list, every answer against
// the exact quadratic worked here from the numbers the statement prints; the formulas of the
// conjugates and salts the texts write, and the pick from the list.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chemistry/constants.h"
#include "chemistry/remake.h"
#include "chemistry/topics.h"
#include "chemistry/weak_acids.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/weak_acids_support.h"

namespace {

constexpr NumberStyle kClassroom{true, true};

class WeakAcidsTest : public CourseTopicTest {
protected:
    void SetUp() override {
        CourseTopicTest::SetUp();
        SetWeakElectrolytes();
    }
    // One exercise of the sub-kind on the substance picked; false when none is made.
    bool Make(uint8_t subKind, const std::string& picked) { return MakePicked(10, subKind, picked); }
};

struct Exact {
    const char* name;
    uint8_t subKind;
    const char* picked;
    std::vector<int32_t> draws;
    NumberStyle style;
    const char* statement;
    const char* answer;
};

void PrintTo(const Exact& e, std::ostream* os) { *os << e.name; }

const Exact kExact[] = {
    {"PhAndIonisationOfAWeakAcid", 1, "CH3COOH (ácido acético)", {18}, {},
     "Calcular el pH y el grado de ionización de una disolución 0.1 M de CH_3COOH (ácido acético). ¿Se puede "
     "despreciar la parte ionizada frente a la concentración inicial?\r\ndatos: Ka = 1.8e-5",
     "  CH_3COOH + H_2O <=> CH_3COO^- + H_3O^+; Ka = x²/(c - x); x² + Ka·x - Ka·c = 0: x = [H_3O^+] = 0.00133 "
     "M; pH = 2.88; grado de ionización = x/c = 1.33 %: menos del 5 %, se puede despreciar x."},
    {"KbOfAWeakBaseFromItsPh", 2, "NH3 (amoníaco)", {18}, {},
     "Una disolución 0.1 M de NH_3 (amoníaco) tiene pH 11.12. Calcular Kb y el grado de ionización.\r\ndatos: "
     "Kw = 1.0e-14",
     "  NH_3 + H_2O <=> NH_4^+ + OH^-; pOH = 14 - 11.12 = 2.88; x = [OH^-] = 10^(-2.88) = 0.00132 M; Kb = "
     "x²/(c - x) = 1.76e-5; grado de ionización = x/c = 1.32 %"},
    {"PhOfASaltOfAWeakBase", 3, "NH4Cl (sal de NH3)", {17}, {},
     "Calcular el pH de una disolución 0.1 M de NH_4Cl.\r\ndatos: Kb (NH_3) = 1.8e-5; Kw = 1.0e-14",
     "  NH_4Cl -> NH_4^+ + Cl^-; NH_4^+ + H_2O <=> NH_3 + H_3O^+; Kh = Kw/Kb = 5.56e-10; x² + Kh·x - Kh·c = 0: "
     "x = [H_3O^+] = 7.45e-6 M; pH = 5.13"},
    {"TitrationOfAWeakAcidToItsEquivalencePoint", 4, "CH3COOH (ácido acético)", {41}, {},
     "Se valoran 25 ml de CH_3COOH (ácido acético) 0.1 M con NaOH 0.1 M. Calcular el volumen de NaOH hasta el "
     "punto de equivalencia y el pH en ese punto.\r\ndatos: Ka = 1.8e-5; Kw = 1.0e-14",
     "  n = 25 ml · 0.1 M = 2.5 mmol; V = n/c = 25 ml de NaOH; en la equivalencia, 2.5 mmol de CH_3COO^- en 50 "
     "ml: c = 0.05 M; Kh = Kw/Ka = 5.56e-10; x² + Kh·x - Kh·c = 0: x = [OH^-] = 5.27e-6 M; pOH = 5.28; pH = "
     "8.72"},
    {"ClassroomPhAndIonisationOfAWeakAcid", 1, "CH3COOH (ácido acético)", {18}, kClassroom,
     "Calcular el pH y el grado de ionización de una disolución 0,1 M de CH_3COOH (ácido acético). ¿Se puede "
     "despreciar la parte ionizada frente a la concentración inicial?\r\ndatos: Ka = 1,8·10^(-5)",
     "  CH_3COOH + H_2O <=> CH_3COO^- + H_3O^+; Ka = x²/(c - x); x² + Ka·x - Ka·c = 0: x = [H_3O^+] = 0,00133 "
     "M; pH = 2,88; grado de ionización = x/c = 1,33 %: menos del 5 %, se puede despreciar x."},
    {"ClassroomKbOfAWeakBaseFromItsPh", 2, "NH3 (amoníaco)", {18}, kClassroom,
     "Una disolución 0,1 M de NH_3 (amoníaco) tiene pH 11,12. Calcular Kb y el grado de ionización.\r\ndatos: "
     "Kw = 1,0·10^(-14)",
     "  NH_3 + H_2O <=> NH_4^+ + OH^-; pOH = 14 - 11,12 = 2,88; x = [OH^-] = 10^(-2,88) = 0,00132 M; Kb = "
     "x²/(c - x) = 1,76·10^(-5); grado de ionización = x/c = 1,32 %"},
    {"ClassroomPhOfASaltOfAWeakBase", 3, "NH4Cl (sal de NH3)", {17}, kClassroom,
     "Calcular el pH de una disolución 0,1 M de NH_4Cl.\r\ndatos: Kb (NH_3) = 1,8·10^(-5); Kw = 1,0·10^(-14)",
     "  NH_4Cl -> NH_4^+ + Cl^-; NH_4^+ + H_2O <=> NH_3 + H_3O^+; Kh = Kw/Kb = 5,56·10^(-10); x² + Kh·x - Kh·c "
     "= 0: x = [H_3O^+] = 7,45·10^(-6) M; pH = 5,13"},
    {"ClassroomTitrationOfAWeakAcidToItsEquivalencePoint", 4, "CH3COOH (ácido acético)", {41}, kClassroom,
     "Se valoran 25 ml de CH_3COOH (ácido acético) 0,1 M con NaOH 0,1 M. Calcular el volumen de NaOH hasta el "
     "punto de equivalencia y el pH en ese punto.\r\ndatos: Ka = 1,8·10^(-5); Kw = 1,0·10^(-14)",
     "  n = 25 ml · 0,1 M = 2,50 mmol; V = n/c = 25,0 ml de NaOH; en la equivalencia, 2,50 mmol de CH_3COO^- "
     "en 50,0 ml: c = 0,0500 M; Kh = Kw/Ka = 5,56·10^(-10); x² + Kh·x - Kh·c = 0: x = [OH^-] = 5,27·10^(-6) M; "
     "pOH = 5,28; pH = 8,72"},
};

class WeakAcidsExactly : public WeakAcidsTest, public ::testing::WithParamInterface<Exact> {};

TEST_P(WeakAcidsExactly, AreWrittenExactly) {
    const Exact& e = GetParam();
    NumberOptions = e.style;
    ScriptRandom(e.draws);
    ASSERT_TRUE(Make(e.subKind, e.picked));
    EXPECT_EQ(CurrentExercise.statement, e.statement);
    EXPECT_EQ(CurrentExercise.answer, e.answer);
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Topic10, WeakAcidsExactly, ::testing::ValuesIn(kExact),
                         [](const ::testing::TestParamInfo<Exact>& info) { return std::string(info.param.name); });

// ---- The independent check: the exact quadratic on the numbers printed

// The positive root of x² + k·x - k·c = 0, in long double.
long double Root(long double k, long double c) { return (-k + std::sqrt(k * k + 4 * k * c)) / 2; }

// The pH printed agrees with the pH of those ions to its two decimals.
void ExpectPh(const std::string& answer, long double ions, bool hydroxide) {
    const long double pIon = -std::log10(ions);
    const double ph = double(hydroxide ? 14 - pIon : pIon);
    EXPECT_NEAR(NumberAfter(answer, "; pH = "), ph, 0.005 + 1e-9) << answer;
    // Water's own ions are left aside only where the solute gives a hundredth of them at most.
    EXPECT_GE(double(ions), 1e-6) << answer;
}

// The exercise just made, under the classroom options, has no padding and no number run into a word.
void SpacedAsInClass(const NumberStyle& style) {
    if (!style.significantFigures) return;
    ExpectClassroomSpacing(CurrentExercise.statement);
    ExpectClassroomSpacing(CurrentExercise.answer);
}

bool IsBase(const std::string& statement) { return statement.find("Kb") != std::string::npos; }

class WeakAcidsOverManyDraws : public WeakAcidsTest {
protected:
    // Over every substance of Constants, plain, with the comma and in the classroom forms.
    void ExpectEveryAnswerIsTheQuadraticOfThePrintedNumbers() {
        std::vector<std::string> substances;
        for (const WeakElectrolyte& acid : Constants.acids) substances.push_back(acid.compound.formula);
        for (const WeakElectrolyte& base : Constants.bases) substances.push_back(base.compound.formula);
        for (const NumberStyle style : {NumberStyle{}, NumberStyle{true, false}, kClassroom}) {
            NumberOptions = style;
            SeedRandom(24);
            for (const std::string& formula : substances) {
                const std::string& typed = formula;
                for (int draw = 0; draw < 20; ++draw) {
                    // pH and degree of ionisation, and whether x could be left out beside c.
                    ASSERT_TRUE(Make(1, typed)) << typed;
                    SpacedAsInClass(style);
                    std::string statement = CurrentExercise.statement;
                    std::string answer = CurrentExercise.answer;
                    const bool base = IsBase(statement);
                    const double c = NumberAfter(statement, "disolución ");
                    const double k = NumberAfter(statement, base ? "Kb = " : "Ka = ");
                    long double x = Root(k, c);
                    ExpectPh(answer, x, base);
                    const double percent = NumberAfter(answer, "x/c = ");
                    EXPECT_NEAR(percent, double(x / c * 100), double(x / c * 100) * 0.005) << answer;
                    EXPECT_LT(x, c);
                    EXPECT_EQ(answer.find("menos del 5 %") != std::string::npos, percent < 5) << answer;

                    // The constant from the pH printed.
                    ASSERT_TRUE(Make(2, typed)) << typed;
                    SpacedAsInClass(style);
                    statement = CurrentExercise.statement;
                    answer = CurrentExercise.answer;
                    const double c2 = NumberAfter(statement, "disolución ");
                    const double ph = NumberAfter(statement, "tiene pH ");
                    x = std::pow(10.0L, -(base ? 14 - ph : ph));
                    const long double found = x * x / (c2 - x);
                    EXPECT_NEAR(NumberAfter(answer, "/(c - x) = "), double(found), double(found) * 0.005) << answer;

                    // The titration to its equivalence point.
                    ASSERT_TRUE(Make(4, typed)) << typed;
                    SpacedAsInClass(style);
                    statement = CurrentExercise.statement;
                    answer = CurrentExercise.answer;
                    const double sample = NumberAfter(statement, "Se valoran ");
                    const double molarity = NumberAfter(statement, ") ");
                    const double titrant = NumberAfter(statement, base ? " con HCl " : " con NaOH ");
                    const long double volume = sample * molarity / (long double)titrant;
                    EXPECT_NEAR(NumberAfter(answer, "V = n/c = "), double(volume), double(volume) * 0.005) << answer;
                    EXPECT_LE(volume, 50);
                    const long double salt = sample * molarity / (sample + volume);
                    const double k4 = NumberAfter(statement, base ? "Kb = " : "Ka = ");
                    ExpectPh(answer, Root(NumberAfter(statement, "Kw = ") / k4, salt), !base);
                }
            }
            // The salts, from the window's own list.
            ASSERT_TRUE(Make(3, "CH3COONa"));
            const std::vector<std::string> salts = ui.reactionLists.back();
            for (const std::string& item : salts) {
                for (int draw = 0; draw < 20; ++draw) {
                    ASSERT_TRUE(Make(3, item)) << item;
                    SpacedAsInClass(style);
                    const std::string& statement = CurrentExercise.statement;
                    const bool ofBase = IsBase(statement);
                    const double c = NumberAfter(statement, "disolución ");
                    const double kh = NumberAfter(statement, "Kw = ") / NumberAfter(statement, ") = ");
                    ExpectPh(CurrentExercise.answer, Root(kh, c), !ofBase);
                }
            }
        }
    }
};

TEST_F(WeakAcidsOverManyDraws, OnTheTestsList) { ExpectEveryAnswerIsTheQuadraticOfThePrintedNumbers(); }

// The program's own list: its longest names and formulas fit every text within 255 characters.
TEST_F(WeakAcidsOverManyDraws, OnTheProgramsList) {
    SetElementTable({{"H", 1.008, 1}, {"C", 12.011, 6}, {"N", 14.007, 7}, {"O", 15.999, 8}, {"F", 18.9984032, 9},
                     {"Na", 22.98976928, 11}, {"Cl", 35.45, 17}});
    Constants = ReadConstantsList(DefaultConstantsText());
    ASSERT_GE(Constants.acids.size(), 8u);
    ASSERT_GE(Constants.bases.size(), 2u);
    ExpectEveryAnswerIsTheQuadraticOfThePrintedNumbers();
}

// The species of the equations and the salts: a wrong one prints a reaction that is not.
struct Conjugate {
    const char* formula;
    bool isBase;
    const char* conjugate;
};

const Conjugate kConjugates[] = {
    {"CH3COOH", false, "CH3COO"},  // the hydrogen of the COOH, not the first one
    {"HCOOH", false, "HCOO"},      {"HF", false, "F"},          {"HClO", false, "ClO"},
    {"H3BO3", false, "H2BO3"},     // one hydrogen of three
    {"NH4+", false, "NH3"},        // the ion's proton
    {"NH3", true, "NH4"},          {"CH3NH2", true, "CH3NH3"},  // the amine's, not the methyl's
    {"C5H5N", true, "C5H5NH"},     {"NaCl", false, ""},         // none to give
};

TEST(WeakAcidsConjugates, GainOrLoseTheRightProton) {
    for (const Conjugate& row : kConjugates) {
        EXPECT_EQ(ConjugateFormula(row.formula, row.isBase), row.conjugate) << row.formula;
    }
}

// The window lists the acids and bases, or for the hydrolysis the salts that have one; what
// the teacher types is taken only when it is on the list, and kept as its entry.
struct Typed {
    uint8_t subKind;
    const char* typed;
    const char* kept;  // nullptr: refused, with the message below
    const char* toAdd = "";
};

const Typed kTyped[] = {
    {1, "CH3COOH", "CH3COOH (ácido acético)"},
    {2, "metilamina", "CH3NH2 (metilamina)"},
    {4, "NH4+", "NH4+ (ion amonio)"},
    {3, "NH4Cl", "NH4Cl (sal de NH3)"},
    {1, "H2SO4", nullptr, "la sustancia con su constante"},  // a strong acid has no Ka
    {3, "CH3COOH", nullptr, "el ácido o la base de la sal"},  // the acid is no salt
};

TEST_F(WeakAcidsTest, TakeOnlyWhatIsOnTheList) {
    for (const Typed& row : kTyped) {
        ui.boxes.clear();
        EXPECT_EQ(Make(row.subKind, row.typed), row.kept != nullptr) << row.typed;
        if (row.kept) {
            EXPECT_EQ(CurrentExercise.recipe.formula, row.kept);
            EXPECT_TRUE(ui.boxes.empty()) << row.typed;
        } else {
            ASSERT_EQ(ui.boxes.size(), 1u) << row.typed;
            EXPECT_EQ(ui.boxes[0].text, std::string(row.typed) +
                                            ": no está en la lista.\rElija una de la lista, o añada " + row.toAdd +
                                            " a constantes.txt.");
        }
    }
    EXPECT_EQ(ui.reactionLists[0],
              (std::vector<std::string>{"CH3COOH (ácido acético)", "HCOOH (ácido fórmico)", "HF (ácido fluorhídrico)",
                                        "HNO2 (ácido nitroso)", "HCN (ácido cianhídrico)", "HClO (ácido hipocloroso)",
                                        "C6H5COOH (ácido benzoico)", "NH4+ (ion amonio)", "NH3 (amoníaco)",
                                        "CH3NH2 (metilamina)"}));
    EXPECT_EQ(ui.reactionLists[3],
              (std::vector<std::string>{"CH3COONa (sal de CH3COOH)", "HCOONa (sal de HCOOH)", "NaF (sal de HF)",
                                        "NaNO2 (sal de HNO2)", "NaCN (sal de HCN)", "NaClO (sal de HClO)",
     "C6H5COONa (sal de C6H5COOH)", "NH4Cl (sal de NH3)", "CH3NH3Cl (sal de CH3NH2)"}));
}

// An acid too strong for its salt to hydrolyse is no titration to work: said so, not "too weak".
TEST_F(WeakAcidsTest, ATitrationWhoseSaltDoesNotHydrolyseIsToldWhy) {
    Constants.acids.push_back(MakeWeak("HIO3", "ácido yódico", 0.17));
    EXPECT_FALSE(Make(4, "HIO3"));
    EXPECT_EQ(ui.boxes, (ShownBoxes{{"Ácidos y bases débiles",
                                     "HIO3: en el punto de equivalencia su conjugado apenas se hidroliza, y el pH lo "
                                     "darían los iones del agua.\rElija una sustancia más débil.",
                                     kBoxOk | kBoxIconExclamation}}));
}

// A text without its numbers, which may take a power of ten in one version and not in another.
std::string Outline(const std::string& text) {
    std::string outline;
    for (std::size_t i = 0; i < text.size();) {
        const bool subscript = i > 0 && text[i - 1] == '_';
        if (IsDigit(text[i]) && !subscript) {
            i = NumberEnd(text, i);
        } else {
            outline += text[i++];
        }
    }
    return outline;
}

// A version asks the same question of the same substance, with other numbers.
TEST_F(WeakAcidsTest, VersionsKeepTheSubstance) {
    for (const auto& [subKind, picked] : {std::pair<uint8_t, const char*>{1, "NH4+"}, {2, "HCOOH"}, {3, "NH4Cl"},
                                          {4, "CH3NH2"}}) {
        ASSERT_TRUE(Make(subKind, picked)) << picked;
        const ExerciseRecord original = CurrentExercise;
        for (char letter : {'B', 'C'}) {
            ExerciseRecord version;
            std::string why;
            ASSERT_TRUE(RemakeExercise(original, 7, letter, 1, 0, version, why)) << why;
            EXPECT_EQ(Outline(version.statement), Outline(original.statement)) << version.statement;
            EXPECT_EQ(Outline(version.answer), Outline(original.answer)) << version.answer;
        }
    }
}

// "Coma decimal" alone changes the decimal points and nothing else, powers of ten included.
TEST_F(WeakAcidsTest, TheCommaAloneChangesOnlyDecimalPoints) {
    ExpectTheCommaAloneChangesOnlyDecimalPoints([this] {
        std::vector<std::string> texts;
        for (const auto& [subKind, picked] : {std::pair<uint8_t, const char*>{1, "HF"}, {2, "NH3"}, {3, "NaClO"},
                                              {4, "C6H5COOH"}}) {
            EXPECT_TRUE(Make(subKind, picked)) << picked;
            texts.push_back(CurrentExercise.statement);
            texts.push_back(CurrentExercise.answer);
        }
        return texts;
    });
}

}  // namespace
