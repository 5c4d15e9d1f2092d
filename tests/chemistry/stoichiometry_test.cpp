#include "chemistry/stoichiometry.h"

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "chemistry/solutions.h"
#include "shell/program.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/topic_windows.h"

namespace {

const char* const kLimestone = "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O";

class StoichiometryTest : public CourseTopicTest {};

const Substance* Named(const std::vector<Substance>& side, const std::string& markup) {
    for (const Substance& substance : side) {
        if (FormulaMarkup(substance.compound) == markup) return &substance;
    }
    return nullptr;
}

double LastNumber(const std::string& text, const std::string& before) {
    return NumberAfter(text, before, text.rfind(before));
}

void ExpectShownNear(double shown, double exact, const std::string& context) {
    const double halfUnit = exact >= 1 ? 0.005 : 0.0000005;
    EXPECT_NEAR(shown, exact, halfUnit * 1.001 + 1e-12) << context;
}

// The first visit writes the default list where reacciones.txt is missing, and the reaction
// window lists every reaction of it (its worked example is in worked_examples_test.cpp).
TEST_F(StoichiometryTest, TheFirstVisitWritesTheDefaultReactionsAndListsThemAll) {
    Pick({kLimestone});
    ScriptRandom({0, 0, 205});  // CaCO3, CaCl2, 25.5 g
    Run(StoichiometryTopic, {1});
    ASSERT_EQ(Batch.count, 1);
    ASSERT_EQ(ui.reactionLists.size(), 1u);
    EXPECT_EQ(ui.reactionLists[0].size(), ReadReactionList(DefaultReactionsText()).reactions.size());
    EXPECT_EQ(ReadAll(kReactionsFile), DefaultReactionsText()) << "written at the first visit";
}

TEST_F(StoichiometryTest, AReactionWithoutAGasGivesNoVolumeExercise) {
    Pick({"HCl + NaOH -> NaCl + H2O"});
    Run(StoichiometryTopic, {2});
    EXPECT_EQ(Batch.count, 0);
    ASSERT_EQ(ui.boxes,
              (ShownBoxes{{"Estequiometría",
                           "La reacción no da ningún gas.\rElija otra, o marque el gas con (g) detrás de su fórmula.",
                           kBoxOk | kBoxIconExclamation}}));
}

TEST_F(StoichiometryTest, LimitingReagentNeedsTwoReactantsAndNamesTheOthersInExcess) {
    Pick({"CaCO3 -> CaO + CO2", "NH3 + CO2 + H2O -> NH4HCO3"});
    ScriptRandom({2, 0, 0, 450, 1, 0});  // H2O then NH3, NH4HCO3, 50 g, 1.15 times
    Run(StoichiometryTopic, {3, 3});
    ASSERT_EQ(Batch.count, 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "La reacción tiene un solo reactivo: no hay reactivo limitante.\rElija otra.");
    EXPECT_NE(
        Statement(1).find("que se obtiene con 50 g de H_2O y 54.36 g de NH_3 (los demás reactivos, en exceso).\r\n"),
        std::string::npos)
        << Statement(1);
}

TEST_F(StoichiometryTest, ARefusedOrCancelledReactionGivesNoExerciseAndTheLastOneIsProposed) {
    Pick({"H2 + O2 -> H2O"});
    ui.reactions.push_back(std::nullopt);
    Pick({"CaCO3 -> CaO + CO2"});
    ScriptRandom({0, 0, 0});  // CaCO3, CaO, 5 g
    Run(StoichiometryTopic, {1, 1, 1});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1).substr(0, 30), "Reacción: CaCO_3 -> CaO + CO_2");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Reacción incorrecta");
    EXPECT_EQ(ui.proposedReactions, (std::vector<std::string>{"", "H2 + O2 -> H2O", "H2 + O2 -> H2O"}));
}

// One mole, as shown, needs in the singular; the moles there are have their unit.
TEST_F(StoichiometryTest, OneMoleOfTheFirstReactantNeedsInTheSingular) {
    Pick({"2 H2 + O2 -> 2 H2O"});
    ScriptRandom({1, 0, 0, 270, 1, 0});  // O2 then H2, H2O, 32 g, 1.15 times the H2 needed
    Run(StoichiometryTopic, {3});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Answer(1),
              "  1 mol O_2 necesita 2 mol H_2 y hay 2.302 mol: limitante O_2. 1 mol O_2 · (2 mol H_2O / 1 mol O_2) · "
              "(18.02 g / 1 mol) = 36.03 g de H_2O");
}

// "riqueza" belongs to what is sold or mined impure: the solids and the commercial reagents,
// never a gas, water or a liquid. A commercial reagent has the riqueza of its bottle, and a
// reaction without any such reactant is told and makes nothing.
TEST_F(StoichiometryTest, OnlySolidsAndCommercialReagentsComeWithARiqueza) {
    const std::pair<const char*, const char*> cases[] = {
        {"Zn + 2 HCl -> ZnCl2 + H2", "Zn HCl"},
        {"Fe2O3 + 3 CO -> 2 Fe + 3 CO2", "Fe2O3"},
        {"CaO + H2O -> Ca(OH)2", "CaO"},
        {"C + O2 -> CO2", "C"},
        {"NH4Cl + NaOH -> NaCl + NH3 + H2O", "NH4Cl NaOH"},
        {"NH3(aq) + HNO3 -> NH4NO3", "NH3 HNO3"},
        {"CH3COOH + NaOH(aq) -> CH3COONa + H2O", "CH3COOH"},
        {"C6H12O6(s) + 6 O2 -> 6 CO2 + 6 H2O", "C6H12O6"},
        {"C2H5OH + 3 O2 -> 2 CO2 + 3 H2O", ""},
        {"4 NH3 + 5 O2 -> 4 NO + 6 H2O", ""},  // ammonia unmarked is the gas
        {"2 H2 + O2 -> 2 H2O", ""},
    };
    for (const auto& [text, expected] : cases) {
        Reaction reaction;
        ReactionProblem problem;
        ASSERT_TRUE(ReadReaction(text, reaction, problem)) << text << ": " << problem.reason;
        std::string impure;
        for (const Substance* reactant : ImpureReactants(reaction)) {
            impure += (impure.empty() ? "" : " ") + reactant->compound.formula;
        }
        EXPECT_EQ(impure, expected) << text;
    }
    Pick({"2 H2 + O2 -> 2 H2O", "Zn + 2 HCl -> ZnCl2 + H2"});
    ScriptRandom({1, 0, 450});  // HCl, ZnCl2, 50 g, and no riqueza drawn
    Run(StoichiometryTopic, {4, 4});
    ASSERT_EQ(ui.boxes,
              (ShownBoxes{{"Estequiometría",
                           "La reacción no tiene ningún reactivo sólido ni comercial, que son los que tienen riqueza.\r"
                           "Elija otra, o marque el sólido con (s) detrás de su fórmula.",
                           kBoxOk | kBoxIconExclamation}}));
    ASSERT_EQ(Batch.count, 1);
    EXPECT_NE(Statement(1).find(" a partir de 50 g de HCl de riqueza 36 %."), std::string::npos) << Statement(1);
}

// The draws of the limiting reagent: from half to twice what the first reactant needs, never
// within 10 % of it, on both sides of 1.
TEST_F(StoichiometryTest, TheExcessFactorIsNeverNearOne) {
    SeedRandom(99);
    std::set<double> factors;
    for (int i = 0; i < 5000; ++i) {
        const double factor = DrawExcessFactor();
        ASSERT_GE(factor, 0.5);
        ASSERT_LE(factor, 2);
        ASSERT_GE(std::fabs(factor - 1), 0.1);
        factors.insert(factor);
    }
    EXPECT_EQ(factors.size(), 14u);
    EXPECT_LT(*factors.begin(), 0.6);
    EXPECT_GT(*factors.rbegin(), 1.8);
}

// Every default reaction, every sub-kind, many draws: each answer is what the statement's
// numbers give, worked independently; the limiting reagent stands clear of the other from
// the masses as shown; no yield passes 100 %; every text fits and no number runs into a word.
TEST_F(StoichiometryTest, EveryAnswerAgreesWithAnIndependentComputation) {
    for (const NumberStyle style : kDrawStyles) {
        SCOPED_TRACE(style.decimalComma ? "coma decimal" : "punto decimal");
        NumberOptions = style;
        SeedRandom(8080);
        LoadReactions();
        const std::vector<Reaction> reactions = Reactions;
        int exercises = 0;
        for (const Reaction& reaction : reactions) {
            for (int round = 0; round < 12; ++round) {
                for (uint8_t subKind = 1; subKind <= 5; ++subKind) {
                    bool hasGas = false;
                    for (const Substance& product : reaction.products) hasGas = hasGas || product.gas;
                    if ((subKind == 2 && !hasGas) || (subKind == 3 && reaction.reactants.size() < 2) ||
                        (subKind == 4 && ImpureReactants(reaction).empty())) {
                        continue;
                    }
                    BatchEnd();
                    BatchStart();
                    ui.reactions.push_back(reaction.text);
                    Run(StoichiometryTopic, {subKind});
                    ASSERT_EQ(Batch.count, 1) << reaction.text << " " << int(subKind);
                    ++exercises;
                    const std::string& s = Statement(1);
                    const std::string& a = Answer(1);
                    const std::string context = s + " / " + a;
                    ASSERT_LE(s.size(), 255u) << context;
                    ASSERT_LE(a.size(), 255u) << context;
                    EXPECT_TRUE(NoNumberRunsIntoAWord(s)) << s;
                    EXPECT_TRUE(NoNumberRunsIntoAWord(a)) << a;
                    EXPECT_EQ(s.rfind("Reacción: " + ReactionMarkup(reaction) + "\r\n", 0), 0u) << s;
                    const double shown = LastNumber(a, ") = ");
                    switch (subKind) {
                        case 1:
                        case 4: {
                            const Substance* reactant =
                                Named(reaction.reactants, Between(s, " g de ", subKind == 1 ? "." : " de riqueza"));
                            const Substance* product =
                                Named(reaction.products, Between(s, "la masa de ", " que se obtiene"));
                            ASSERT_TRUE(reactant && product) << context;
                            double grams = NumberAfter(s, "a partir de ");
                            if (subKind == 4) {
                                const double percent = NumberAfter(s, "de riqueza ");
                                const CommercialReagent* bottle = FindReagent(reactant->compound);
                                if (bottle != nullptr) {
                                    EXPECT_EQ(percent, bottle->percent) << context;
                                } else {
                                    EXPECT_GE(percent, 60);
                                    EXPECT_LE(percent, 98);
                                }
                                grams = NumberAfter(a, "/ 100 = ");
                                ExpectShownNear(grams, NumberAfter(s, "a partir de ") * percent / 100, context);
                            }
                            EXPECT_GE(grams, 3);
                            EXPECT_LE(grams, 100);
                            const double moles =
                                grams / reactant->compound.molarMass * product->coefficient / reactant->coefficient;
                            ExpectShownNear(shown, moles * product->compound.molarMass, context);
                            break;
                        }
                        case 2: {
                            const Substance* reactant = Named(reaction.reactants, Between(s, " g de ", "."));
                            const Substance* gas = Named(reaction.products, Between(s, "el volumen de ", ", medido"));
                            ASSERT_TRUE(reactant && gas) << context;
                            EXPECT_TRUE(gas->gas);
                            const double grams = NumberAfter(s, "a partir de ");
                            const double kelvin = NumberAfter(s, "medido a ") + 273;
                            const double atm = NumberAfter(s, " °C y ");
                            const double moles =
                                grams / reactant->compound.molarMass * gas->coefficient / reactant->coefficient;
                            // p·V = n·R·T with the numbers as shown.
                            ExpectShownNear(NumberAfter(a, "V = n·R·T / p = "), moles * 0.082 * kelvin / atm, context);
                            break;
                        }
                        case 3: {
                            const std::string mixed = Between(s, " que se obtiene con ", ".\r\n");
                            const double gramsA = NumberAfter(mixed, "");
                            const Substance* a1 = Named(reaction.reactants, Between(mixed, " g de ", " y "));
                            const std::string rest = mixed.substr(mixed.find(" y ") + 3);
                            const double gramsB = NumberAfter(rest, "");
                            std::string nameB = rest.substr(rest.find(" g de ") + 6);
                            nameB = nameB.substr(0, nameB.find(" ("));
                            const Substance* b1 = Named(reaction.reactants, nameB);
                            const Substance* product =
                                Named(reaction.products, Between(s, "la masa de ", " que se obtiene"));
                            ASSERT_TRUE(a1 && b1 && product) << context;
                            const double molesA = gramsA / a1->compound.molarMass;
                            const double molesB = gramsB / b1->compound.molarMass;
                            const double ratio = molesB / (molesA * b1->coefficient / a1->coefficient);
                            // Never ambiguous: from the masses as the student reads them.
                            EXPECT_GE(ratio, 0.5) << context;
                            EXPECT_LE(ratio, 2) << context;
                            EXPECT_GE(std::fabs(ratio - 1), 0.1) << context;
                            const Substance* limiting = ratio > 1 ? a1 : b1;
                            const double limitingMoles = ratio > 1 ? molesA : molesB;
                            EXPECT_NE(a.find("limitante " + FormulaMarkup(limiting->compound) + ". "), std::string::npos)
                                << context;
                            ExpectShownNear(
                                shown,
                                limitingMoles * product->coefficient / limiting->coefficient * product->compound.molarMass,
                                context);
                            break;
                        }
                        default: {
                            const std::string given = Between(s, "A partir de ", " se obtienen");  // "6 g de H_2"
                            const std::string made = Between(s, " se obtienen ", ". Calcular");    // "25.34 g de NH_3"
                            const Substance* reactant = Named(reaction.reactants, given.substr(given.find(" g de ") + 6));
                            const Substance* product = Named(reaction.products, made.substr(made.find(" g de ") + 6));
                            ASSERT_TRUE(reactant && product) << context;
                            const double percent = NumberBefore(a, " %");
                            EXPECT_GT(percent, 49);
                            EXPECT_LE(percent, 100) << context;
                            const double theoretical = NumberAfter(given, "") / reactant->compound.molarMass *
                                                       product->coefficient / reactant->coefficient *
                                                       product->compound.molarMass;
                            ExpectShownNear(percent, NumberAfter(made, "") / theoretical * 100, context);
                            break;
                        }
                    }
                }
            }
        }
        EXPECT_GT(exercises, 800);
        EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
    }
}

// The longest reactions: one of long formulas and five elements fits every sub-kind whatever
// the draws; one of twenty elements cannot, and is refused with a message rather than cut.
TEST_F(StoichiometryTest, LongReactionsFitOrAreRefusedWhole) {
    SeedRandom(11);
    const char* const acetate = "Ca(CH3COO)2 + Na2CO3 -> CaCO3 + 2 CH3COONa";
    for (int round = 0; round < 60; ++round) {
        for (uint8_t subKind : {1, 3, 4, 5}) {
            BatchEnd();
            BatchStart();
            Pick({acetate});
            Run(StoichiometryTopic, {subKind});
            ASSERT_EQ(Batch.count, 1) << int(subKind);
            EXPECT_LE(Statement(1).size(), 255u);
            EXPECT_LE(Answer(1).size(), 255u);
        }
    }
    ASSERT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
    Elements = ElementTable{};  // the default list's lines are now left out, and told

    for (char c = 'A'; c <= 'T'; ++c)
        Elements.Slot(++Elements.count) = MakeElement(std::string(1, c).c_str(), "", 1, 10);
    for (uint8_t subKind : {1, 3, 4, 5}) {
        BatchEnd();
        BatchStart();
        Pick({"ABCDEFGHIJ(s) + KLMNOPQRST -> ABCDEFGHIJKLMNOPQRST"});  // a solid, for the riqueza
        ui.boxes.clear();
        Run(StoichiometryTopic, {subKind});
        EXPECT_EQ(Batch.count, 0);
        ASSERT_FALSE(ui.boxes.empty());
        EXPECT_EQ(ui.boxes.back().caption, "Ejercicio demasiado largo");
    }
}

TEST_F(StoichiometryTest, TheMenuNumberEightReadsTheReactionsAndRunsTheTopic) {
    WriteAll(kReactionsFile, "2 H2 + O2 -> 2 H2O\r\nH2 + O2 -> H2O\r\n");
    ui.subKinds.push_back(0);
    TopicDispatch(8);
    ASSERT_EQ(ui.subKindLists.size(), 1u);
    EXPECT_EQ(ui.subKindLists[0], SubKindsOf(8));
    ASSERT_EQ(Reactions.size(), 1u);
    ASSERT_EQ(ui.boxes.size(), 1u);  // the unbalanced line, once
    EXPECT_NE(ui.boxes[0].text.find("línea 2: no está ajustada"), std::string::npos);
}

}  // namespace
