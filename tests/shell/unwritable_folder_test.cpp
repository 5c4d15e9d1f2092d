#include "shell/unwritable_folder.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/messages.h"

namespace {

const std::string kAdvice = "Copie la carpeta de Zorvi a Documentos y \xE1" "bralo desde all\xED.";

TEST(UnwritableFolderMessage, SaysWhereAndWhatToDo) {
    EXPECT_EQ(UnwritableFolderMessage("No se ha podido crear la carpeta (no hay permiso para escribir ah\xED):",
                                      "C:\\Program Files\\Zorvi-1.0\\64bits\\Exerc", "El lote sigue en el programa."),
              "No se ha podido crear la carpeta (no hay permiso para escribir ah\xED):\r"
              "C:\\Program Files\\Zorvi-1.0\\64bits\\Exerc\r"
              "El lote sigue en el programa. " + kAdvice);
}

TEST(UnwritableFolderMessage, ALongPathIsShortenedSoTheAdviceIsNeverCut) {
    const std::string failure = "No se han podido grabar los elementos (no hay permiso para escribir ah\xED):";
    const std::string kept = "Siguen en la tabla mientras el programa est\xE9 abierto.";
    for (const std::size_t folders : {1, 5, 10, 20, 40}) {
        std::string path = "D:";
        for (std::size_t i = 0; i < folders; ++i) path += "\\carpeta " + std::to_string(i);
        path += "\\elements.dat";
        const std::string text = UnwritableFolderMessage(failure, path, kept);
        EXPECT_LE(text.size(), kBoxTextMax) << folders;
        EXPECT_EQ(text.rfind(failure + "\rD:\\", 0), 0u) << text;
        EXPECT_EQ(text.substr(text.size() - kAdvice.size()), kAdvice) << text;
        EXPECT_NE(text.find("\\elements.dat\r" + kept), std::string::npos) << text;
    }
}

}  // namespace
