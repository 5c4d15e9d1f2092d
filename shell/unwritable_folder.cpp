#include "shell/unwritable_folder.h"

#include "shell/messages.h"
#include "util/files.h"
#include "util/strings.h"

namespace {

const char* const kAdvice = "Copie la carpeta de Zorvi a Documentos y ábralo desde allí.";

}  // namespace

std::string UnwritableCurrentFolder() {
    std::string directory;
    if (ReadCurrentDirectory(directory) != 0 || CanCreateFilesIn(directory)) return "";
    return directory;
}

std::string UnwritableFolderMessage(const std::string& failure, const std::string& path, const std::string& kept) {
    const std::string after = "\r" + kept + " " + kAdvice;
    const std::size_t fixed = failure.size() + 1 + after.size();
    const std::size_t room = fixed < kBoxTextMax ? kBoxTextMax - fixed : 0;
    return failure + "\r" + FitPath(path, room) + after;
}
