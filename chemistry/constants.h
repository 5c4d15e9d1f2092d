#pragma once
// The constants of the 2º Bachillerato topics (chemical equilibrium, weak acids and bases,
// solubility), kept in "constantes.txt" beside elements.dat as reacciones.txt is kept: a
// Windows-1252 text the teacher may edit, written with the program's list where it is
// missing, read at each visit of those topics; "#" starts a comment, every line that cannot
// be used is left out with its number and reason and the rest is used; a file saved as UTF-8
// (Notepad's way) reads as the Windows-1252 it stands for. Each value is at 25 °C unless its
// line gives another temperature.
//
// The readers say nothing to the user; LoadConstants tells once per load about the lines it
// leaves out and about a file it cannot read, once per run about one it cannot write.

#include <string>
#include <string_view>
#include <vector>

#include "chemistry/formula.h"
#include "chemistry/reactions.h"

constexpr const char* kConstantsFile = "constantes.txt";
constexpr double kStandardKelvin = 298.15;  // 25 °C, where a line gives no temperature

// A gas-phase equilibrium (every species a gas unless marked "(s)", "(l)" or "(aq)"), written
// "N2O4 <=> 2 NO2", with its Kc in mol/L units at `kelvin`.
struct Equilibrium {
    Reaction reaction;  // balanced; reactants on the left of "<=>"
    double kc = 0;
    double kelvin = kStandardKelvin;
};

// A weak acid (Ka) or a weak base (Kb).
struct WeakElectrolyte {
    Compound compound;  // parsed and weighed; an ion keeps its sign in `formula`: "NH4+"
    std::string name;   // "ácido acético", "amoníaco"
    double k = 0;       // Ka or Kb
    double kelvin = kStandardKelvin;
};

// One ion of a salt: its formula, its charge and how many the salt gives.
struct SaltIon {
    std::string formula;  // "Ca", "PO4"
    int charge = 0;       // +2, -3
    int count = 0;        // 3, 2 in Ca3(PO4)2
};

// A salt of low solubility and its solubility product.
struct SparinglySoluble {
    Compound compound;  // parsed and weighed
    SaltIon cation;
    SaltIon anion;
    double ks = 0;
    double kelvin = kStandardKelvin;
};

struct ConstantsList {
    std::vector<Equilibrium> equilibria;
    std::vector<WeakElectrolyte> acids;
    std::vector<WeakElectrolyte> bases;
    std::vector<SparinglySoluble> salts;
    std::vector<LeftOutLine> leftOut;  // the lines not used, with their reasons
};

// The constants of a file's contents, against the table of elements.
ConstantsList ReadConstantsList(std::string_view contents);
// The one message about the lines that a load left out, within 255 characters; empty when none.
std::string ConstantsLeftOutMessage(const ConstantsList& list);
// The list written where "constantes.txt" is missing: Windows-1252 text with CRLF line ends,
// with a comment that names the published table its values come from.
const std::string& DefaultConstantsText();

// The program's constants, as the last load left them.
extern ConstantsList Constants;
// Whether this run has told that "constantes.txt" cannot be written: told once per run.
extern bool ConstantsWriteFailureTold;

// Reads "constantes.txt" into Constants, writing the default list there first (atomically)
// when the file does not exist. A file that exists but cannot be read is left alone, and the
// default list serves meanwhile.
void LoadConstants();
// Whether this run has read the list: a batch opened and versioned before any visit has not.
extern bool ConstantsRead;
// LoadConstants, when this run has not read the list yet.
void LoadConstantsOnce();
