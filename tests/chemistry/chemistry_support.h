#pragma once
// What the chemistry tests share: a table of elements set in memory, (from the test
// support) a working folder of their own for the tests that read and write elements.dat,
// and the run of a generator.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chemistry/constants.h"
#include "chemistry/elements.h"
#include "chemistry/topics.h"
#include "shell/batch.h"
#include "shell/settings.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "util/random.h"

struct TableEntry {
    const char* symbol;
    double mass;
    uint16_t z;
    const char* name = "";
};

inline Element MakeElement(const char* symbol, const char* name, uint16_t z, double mass) {
    Element element;
    element.symbol = symbol;
    element.name = name;
    element.z = z;
    element.mass = mass;
    return element;
}

// Replaces the program's table of elements with these, in this order.
inline void SetElementTable(std::initializer_list<TableEntry> entries) {
    Elements = ElementTable{};
    for (const TableEntry& entry : entries) {
        Elements.Slot(++Elements.count) = MakeElement(entry.symbol, entry.name, entry.z, entry.mass);
    }
}

// The masses of the worked examples.
inline void SetExampleTable() {
    SetElementTable({{"H", 1.008, 1}, {"O", 16, 8}, {"Cl", 35.45, 17}, {"Na", 22.99, 11}, {"S", 32.06, 16},
                     {"C", 12.011, 6}, {"Ca", 40.078, 20}, {"K", 39.098, 19}, {"Fe", 55.845, 26},
                     {"N", 14.007, 7}});
}

// A text without its numbers: what two versions of one exercise share. A volume is written
// in millilitres below a litre and in litres from a litre on.
inline std::string Shape(std::string text) {
    for (std::size_t at = text.find(" ml"); at != std::string::npos; at = text.find(" ml", at)) text.erase(at + 1, 1);
    std::string shape;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digit = c >= '0' && c <= '9';
        const bool exponent = c == 'e' && i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9';
        if (!digit && !exponent && c != '.' && c != ' ') shape += c;
    }
    return shape;
}

// A generator's run as a teacher works it: a batch that takes every exercise as it comes,
// a user who answers from a script, draws scripted by the test, in a folder of its own
// (the stoichiometry topic reads and writes reacciones.txt there). The table of elements
// is the test's to set.
class GeneratorTest : public InScratchFolder {
protected:
    void SetUp() override {
        AskConfirmation = false;
        BatchStart();
        Constants = ConstantsList{};  // a new run: constantes.txt not read yet
        ConstantsRead = false;
    }
    void TearDown() override { EXPECT_EQ(ScriptedDrawsLeft(), 0u) << "scripted draws not taken"; }

    // Runs one topic for these sub-kinds, then leaves the generation window.
    void Run(void (*topic)(), std::initializer_list<uint8_t> subKinds) {
        ui.subKinds.assign(subKinds.begin(), subKinds.end());
        ui.subKinds.push_back(0);
        topic();
    }
    // The formulas typed at the prompts, and the reactions picked in the reaction window.
    void Type(std::initializer_list<const char*> formulas) {
        for (const char* f : formulas) ui.texts.push_back(std::string(f));
    }
    void Pick(std::initializer_list<const char*> reactions) {
        for (const char* r : reactions) ui.reactions.push_back(std::string(r));
    }
    // One exercise of the topic's sub-kind on what is picked from its list; false when none is made.
    bool MakePicked(uint16_t topic, uint8_t subKind, const std::string& picked) {
        ui.reactions.push_back(picked);
        CurrentExercise = ExerciseRecord{};
        GenerateSubKind(*FindTopic(topic), subKind);
        return CurrentExercise.accepted;
    }
    const std::string& Statement(int slot) { return Batch.Slot(slot).statement; }
    const std::string& Answer(int slot) { return Batch.Slot(slot).answer; }

    ScriptedUi ui;
};

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0xC0;
}

// A number, and only a number, has its decimal point changed: a point between two digits.
// A list of numbers ("C 1, H 2") takes "; " between its items instead, where a comma after
// a number would read as a decimal one.
inline std::string WithDecimalCommas(std::string text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '.' && IsDigit(text[i - 1]) && IsDigit(text[i + 1])) text[i] = ',';
        const bool subscript = i >= 2 && text[i - 2] == '_';
        if (text[i] == ',' && IsDigit(text[i - 1]) && !subscript && text[i + 1] == ' ') text[i] = ';';
    }
    return text;
}

// Under "Cifras significativas" a number stands one blank from the word before it and
// apart from the unit after it, and no two blanks meet (the answers' own indent aside).
inline void ExpectClassroomSpacing(const std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(text.find("  ", start), std::string::npos) << text;
    EXPECT_NE(text.back(), ' ') << text;
    EXPECT_EQ(text.find(" \r"), std::string::npos) << text;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char before = text[i - 1];
        EXPECT_FALSE(IsLetter(before) && IsDigit(text[i])) << text.substr(0, i + 1);
        // A digit of a formula ("H_2O") is a subscript, the only digit a letter may follow.
        const bool subscript = i >= 2 && text[i - 2] == '_';
        EXPECT_FALSE(IsDigit(before) && IsLetter(text[i]) && !subscript) << text.substr(0, i + 1);
    }
}

// The same draws under "Coma decimal" alone: only the decimal points of the texts change.
// `texts` makes the statements and answers of one pass over a topic.
template <typename MakeTexts>
void ExpectTheCommaAloneChangesOnlyDecimalPoints(MakeTexts texts) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        NumberOptions = NumberStyle{};
        SeedRandom(seed);
        const std::vector<std::string> plain = texts();
        NumberOptions = {true, false};
        SeedRandom(seed);
        const std::vector<std::string> comma = texts();
        ASSERT_EQ(plain.size(), comma.size());
        ASSERT_FALSE(plain.empty());
        for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(comma[i], WithDecimalCommas(plain[i]));
    }
}

// Under "Cifras significativas", with and without the comma, every text of `rounds` passes
// keeps the classroom spacing.
template <typename MakeTexts>
void ExpectClassroomSpacingOverManyDraws(int rounds, MakeTexts texts) {
    for (const NumberStyle style : {NumberStyle{false, true}, NumberStyle{true, true}}) {
        NumberOptions = style;
        SeedRandom(2718);
        for (int round = 0; round < rounds; ++round) {
            for (const std::string& text : texts()) ExpectClassroomSpacing(text);
        }
    }
}
