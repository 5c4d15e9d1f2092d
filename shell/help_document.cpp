#include "shell/help_document.h"

#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "util/atomic_file.h"
#include "util/files.h"
#include "util/number_format.h"
#include "util/strings.h"

BuiltInHelp HelpCopy;

namespace {

// ShellExecute's answer when no program is associated with the file's extension.
constexpr uint16_t kNoAssociation = 31;

// A message that ends with the path of the document, shortened to fit the box.
void Tell(const std::string& caption, const std::string& text, const std::string& path) {
    const std::size_t room = text.size() + 1 < kBoxTextMax ? kBoxTextMax - text.size() - 1 : 0;
    ShowMessage(caption, text + "\r" + FitPath(path, room));
}

// The built-in copy under `path`, written unless a whole copy is there already; false
// when it cannot be written, the user told why.
bool PlaceBuiltInCopy(const std::string& path) {
    const FileContent present = ReadFileBytes(path);
    if (present.error == 0 && present.bytes == HelpCopy.bytes) return true;
    std::string error;
    if (EntryAt(HelpCopy.folder) == Entry::None) {
        if (const int err = MakeFolder(HelpCopy.folder); err != 0) error = FileErrorText(err);
    }
    if (error.empty() && WriteWholeFile(path, HelpCopy.bytes, error)) return true;
    Tell("No se puede abrir la guía", "No se ha podido preparar la guía de uso (" + error + "):", path);
    return false;
}

}  // namespace

void OpenHelpDocument() {
    std::string path = Descriptor.helpFile;  // relative: looked for in the current folder
    if (EntryAt(path) != Entry::File && !HelpCopy.bytes.empty()) {
        path = JoinPath(HelpCopy.folder, Descriptor.helpFile);
        if (!PlaceBuiltInCopy(path)) return;
    }
    const uint16_t result = Ui().ShellOpen(path);
    if (result > 32 || result == UserInteraction::kShellNotLoaded) return;
    if (result == kNoAssociation) {
        Tell("Se requiere un lector de ficheros .pdf",
             "No hay ningún programa para abrir la guía de uso.\rInstale un lector de PDF (o asocie la extensión "
             ".pdf con el navegador) y vuelva a abrirla desde el menú Info:",
             path);
    } else {
        Tell("No se puede abrir la guía", "No se ha podido abrir la guía de uso (error " + IntToText(result) + "):",
             path);
    }
}
