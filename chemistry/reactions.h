#pragma once
// Balanced chemical reactions for the stoichiometry exercises: the reader of one reaction
// written "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O", the program's list of them kept in
// "reacciones.txt" beside elements.dat, and the question for the reaction of an exercise.
//
// The readers say nothing to the user: they return what is wrong. LoadReactions tells the
// user once per load about the lines it leaves out and about a file it cannot read, once
// per run about a file it cannot write; AskReaction tells about a reaction it refuses.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "chemistry/formula.h"

constexpr const char* kReactionsFile = "reacciones.txt";
constexpr std::size_t kReactionRoom = 100;  // reactions kept from the file
constexpr std::size_t kSubstanceMax = 8;    // substances in one reaction
constexpr int kCoefficientMax = 99;
constexpr std::size_t kReactionMarkupMax = 64;  // the reaction as a statement writes it

struct Substance {
    int coefficient = 1;
    Compound compound;  // parsed and weighed
    bool gas = false;   // marked "(g)", or a gas at room temperature
    std::string state;  // the mark written after the formula: "(s)", "(l)", "(g)", "(aq)" or none
};

struct Reaction {
    std::string text;  // written again from its parts: "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O"
    std::vector<Substance> reactants;
    std::vector<Substance> products;
};

// Why a text is not a reaction that the exercises can use.
struct ReactionProblem {
    std::string reason;         // in Spanish, for the user: "no está ajustada (O: 2 en reactivos, 3 en productos)"
    std::string missingSymbol;  // set when the reason is an element that the table lacks
};

// Reads one reaction against the table of elements: coefficients (1 to 99) before the
// formulas, "+" between substances, one "->", an optional "(g)", "(l)", "(s)" or "(aq)"
// after a formula; then checks the balance element by element.
bool ReadReaction(std::string_view text, Reaction& reaction, ReactionProblem& problem);

// One formula as a reaction's substance is read: parsed and weighed against the table of
// elements; refused with the same reasons (a character, a missing element, no atoms, no mass).
bool ReadCheckedFormula(std::string_view formula, Compound& compound, ReactionProblem& problem);

// The reaction for exercise text, each digit of a formula as a subscript:
// "CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O".
std::string ReactionMarkup(const Reaction& reaction);

// Moles of `to` that react with, or come from, `moles` of `from`: the coefficients' ratio.
double ReactingMoles(double moles, const Substance& from, const Substance& to);

// The reactions of a file's contents: one per line, "#" starting a comment, blank lines ignored;
// UTF-8 contents (Notepad's) are read as the Windows-1252 they stand for.
struct LeftOutLine {
    int number = 0;  // from 1
    std::string reason;
};
struct ReactionList {
    std::vector<Reaction> reactions;  // at most kReactionRoom, in file order
    std::vector<LeftOutLine> leftOut;
    int beyondRoom = 0;  // good reactions after the first kReactionRoom, not kept
};
ReactionList ReadReactionList(std::string_view contents);
// The lines of a teacher's list file, numbered from 1, their comment and blanks cut, in
// Windows-1252, to `use`; a UTF-8 line that Windows-1252 cannot hold goes to `leftOut`.
void ForEachListLine(std::string_view contents, std::vector<LeftOutLine>& leftOut,
                     const std::function<void(std::string_view line, int number)>& use);
// The contents of a teacher's list file: the program's own `defaults` where it is missing
// (written there, atomically; a failure told once per run through `writeFailureTold`) or
// cannot be read (told, the file left alone). `what` names the list: "reacciones".
std::string ReadListFile(const char* file, const std::string& defaults, const char* what, bool& writeFailureTold,
                         void (*tell)(const std::string&));

// The one message about the lines that a load left out, within 255 characters; empty when none.
std::string LeftOutMessage(const ReactionList& list);
// The same for any file read this way: as many lines as fit, the count of the rest, then `tail`.
std::string LeftOutLinesMessage(const char* file, const std::vector<LeftOutLine>& leftOut, const std::string& tail);

// The list written where "reacciones.txt" is missing: Windows-1252 text with CRLF line ends.
const std::string& DefaultReactionsText();

// The program's reactions, as the last load left them.
extern std::vector<Reaction> Reactions;
// Whether this run has told that "reacciones.txt" cannot be written: told once per run.
extern bool ReactionsWriteFailureTold;

// Reads "reacciones.txt" into Reactions, writing the default list there first (atomically)
// when the file does not exist. A file that exists but cannot be read is left alone, and the
// default list serves meanwhile.
void LoadReactions();

// The reaction of an exercise, picked from Reactions or typed, with `reaction`'s text proposed.
// False when the user cancels or the reaction is refused (after telling why: a missing
// element gets the question of the formula prompt); a refused text is proposed next time.
bool AskReaction(Reaction& reaction);
