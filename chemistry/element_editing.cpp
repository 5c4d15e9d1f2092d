#include "chemistry/element_editing.h"

#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/language.h"
#include "util/number_input.h"
#include "util/number_format.h"
#include "util/strings.h"

ElementEditorState ElementEditing;

namespace {

const char* const kCaption = "Elementos químicos";

// How much of a typed text a refusal quotes: the box has room for 255 characters.
constexpr std::size_t kQuotedMax = 30;

void Refuse(const std::string& problem) {
    ShowMessageFlags(kCaption, problem + "\rEl elemento no se ha aceptado.", kBoxIconExclamation);
}

std::string Quoted(const std::string& typed) { return "\"" + CutText(typed, kQuotedMax) + "\""; }

bool ReadZ(const std::string& text, uint16_t& z) {
    bool ok = false;
    const int32_t value = ReadInteger(text, ok);
    if (!ok) {
        Refuse("Z (número atómico) no es un número entero: " + Quoted(text) + ".");
        return false;
    }
    if (value < 0 || value > 65535) {
        Refuse("Z (número atómico) debe estar entre 0 y 65535: " + Quoted(text) + ".");
        return false;
    }
    z = uint16_t(value);
    return true;
}

bool ReadMass(const std::string& text, double& mass) {
    bool ok = false;
    const double value = ReadReal(text, ok);
    if (!ok) {
        std::string problem = "MA (masa atómica) no es un número: " + Quoted(text) + ".";
        if (text.find(',') != std::string::npos) problem += "\rEl separador decimal es el punto: 35.45.";
        Refuse(problem);
        return false;
    }
    if (value < 0) {
        Refuse("MA (masa atómica) no puede ser negativa: " + Quoted(text) + ".");
        return false;
    }
    mass = value;
    return true;
}

}  // namespace

std::string MassListLine(const Element& element) {
    const std::string symbol = CutText(element.symbol, kSymbolMax);
    return symbol + Spaces(uint16_t(10 - symbol.size())) + RealToText(element.mass, 5, 2);
}

std::string EditorListLine(const Element& element) {
    const std::string symbol = CutText(element.symbol, kSymbolMax);
    return symbol + Spaces(uint16_t(4 - symbol.size())) + CutText(element.name, kElementNameMax) + "  " +
           IntToTextRight(element.z, 3);
}

ElementFields FieldsOfSlot(int slot) {
    if (slot < 1 || slot > kElementRoom) return {};
    const Element& element = Elements.Slot(slot);
    ElementFields fields;
    fields.name = element.name;
    fields.symbol = element.symbol;
    if (element.mass != 0) fields.mass = RealToFixed(element.mass, 3, 3);
    if (element.z != 0) fields.z = IntToTextRight(element.z, 3);
    return fields;
}

void StartElementEditing() {
    LoadElements();
    // Every free slot, up to the table's room, so a new element never inherits old bytes.
    for (int i = Elements.count + 1; i <= kElementRoom; ++i) Elements.Slot(i) = Element{};
    ElementEditing.modified = false;
    ElementEditing.selected = Elements.count + 1;
}

void SelectElementSlot(int slot) { ElementEditing.selected = slot; }

bool AcceptElementFields(const ElementFields& fields) {
    const int slot = ElementEditing.selected;
    if (slot < 1 || slot > Elements.count + 1) return false;  // nothing shown to write
    if (slot > Elements.count && Elements.count >= kElementRoom) {
        ShowMessageFlags(kCaption,
                         "La tabla de elementos está llena: caben " + IntToText(kElementRoom) +
                             " elementos.\rEl elemento no se ha añadido.",
                         kBoxIconExclamation);
        return false;
    }
    if (fields.symbol.empty()) {
        Refuse("Falta el símbolo (Smb) del elemento.");
        return false;
    }
    uint16_t z = 0;
    if (!ReadZ(fields.z, z)) return false;
    Element& element = Elements.Slot(slot);
    double mass = element.mass;
    // The field shows the mass with 3 decimals: rewriting it unchanged must not round it.
    if (fields.mass != FieldsOfSlot(slot).mass && !ReadMass(fields.mass, mass)) return false;

    element.name = CutText(fields.name, kElementNameMax);
    element.symbol = CutText(fields.symbol, kSymbolMax);
    element.z = z;
    element.mass = mass;
    if (slot > Elements.count) ++Elements.count;
    ElementEditing.modified = true;
    return true;
}

int SearchElementSymbol(const std::string& typed) {
    const int slot = FindElement(typed);
    if (slot == 0) {
        ShowMessage(InLanguage("Element no trobat", "Element not found", "Elemento no hallado"), typed);
    }
    return slot;
}

bool FinishElementEditing() {
    if (!ElementEditing.modified) return true;
    if (!SaveElements()) return false;
    ElementEditing.modified = false;
    return true;
}

bool LeaveElementEditing() {
    if (!ElementEditing.modified) return true;
    const uint8_t answer = AskYesNoCancelFlags(
        InLanguage("Dades modificades", "Changes in data", "Datos modificados"),
        InLanguage("Gravar els canvis?    ", "Save the changes?  ", "Grabar los cambios?   "), kBoxIconExclamation);
    if (answer == kAnswerYes) return FinishElementEditing();
    return answer == kAnswerNo;
}
