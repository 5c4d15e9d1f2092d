#include "shell/help_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "shell/messages.h"
#include "shell/program.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "util/files.h"

namespace {

namespace fs = std::filesystem;

// "&Info" in a folder of its own; the built-in copy goes to "temp/Zorvi-9.9" inside it.
class HelpDocument : public InScratchFolder {
protected:
    void SetUp() override {
        Descriptor.helpFile = "zorvi.pdf";
        const char bytes[] = "%PDF-1.7\n\0\xFF gu\xED" "a";
        builtIn.assign(bytes, sizeof bytes - 1);
        HelpCopy.bytes = builtIn;
        fs::create_directories("temp");
        HelpCopy.folder = JoinPath((Folder() / "temp").string(), "Zorvi-9.9");
        copy = JoinPath(HelpCopy.folder, "zorvi.pdf");
    }

    std::string builtIn;
    std::string copy;
    ScriptedUi ui;
};

TEST_F(HelpDocument, TheCopyInTheCurrentFolderIsOpenedWhenThere) {
    WriteAll("zorvi.pdf", "la guía del profesor");
    OpenHelpDocument();
    ASSERT_EQ(ui.shellOpened.size(), 1u);
    EXPECT_EQ(ui.shellOpened[0], "zorvi.pdf");
    EXPECT_FALSE(fs::exists(HelpCopy.folder));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(HelpDocument, WithoutItTheBuiltInCopyIsWrittenToTheTemporaryFolderAndOpened) {
    OpenHelpDocument();
    ASSERT_EQ(ui.shellOpened.size(), 1u);
    EXPECT_EQ(ui.shellOpened[0], copy);
    EXPECT_EQ(ReadAll(copy), builtIn);
    EXPECT_EQ(EntriesIn(HelpCopy.folder), 1u);  // no temporary file left
    EXPECT_FALSE(fs::exists("zorvi.pdf"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(HelpDocument, AWholeCopyIsReusedAndADamagedOneWrittenAgain) {
    OpenHelpDocument();
    fs::last_write_time(copy, fs::last_write_time(copy) - std::chrono::hours(24));
    const auto stamped = fs::last_write_time(copy);
    OpenHelpDocument();
    EXPECT_EQ(fs::last_write_time(copy), stamped);  // not written again

    WriteAll(copy, builtIn.substr(0, 9));  // cut short, as by a full disk
    OpenHelpDocument();
    EXPECT_EQ(ReadAll(copy), builtIn);
    EXPECT_EQ(ui.shellOpened.size(), 3u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(HelpDocument, ACopyThatCannotBeWrittenIsReportedAndNotOpened) {
    WriteAll(HelpCopy.folder, "a file where the folder goes");
    OpenHelpDocument();
    EXPECT_TRUE(ui.shellOpened.empty());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "No se puede abrir la guía");
    EXPECT_EQ(ui.boxes[0].text.rfind("No se ha podido preparar la guía de uso (", 0), 0u) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find(copy), std::string::npos) << ui.boxes[0].text;
}

TEST_F(HelpDocument, AProgramWithoutABuiltInCopyOpensTheNameAsBefore) {
    HelpCopy = BuiltInHelp{};
    OpenHelpDocument();
    ASSERT_EQ(ui.shellOpened.size(), 1u);
    EXPECT_EQ(ui.shellOpened[0], "zorvi.pdf");
}

TEST_F(HelpDocument, AVeryLongTemporaryPathIsShortenedInTheMessage) {
    HelpCopy.folder = JoinPath((Folder() / "temp").string(), std::string(150, 'c'));
    ASSERT_EQ(MakeFolder(HelpCopy.folder), 0);
    ui.shellResult = 31;
    OpenHelpDocument();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_LE(ui.boxes[0].text.size(), kBoxTextMax);
    const std::string& text = ui.boxes[0].text;
    EXPECT_EQ(text.substr(text.size() - 13), "..." + copy.substr(copy.size() - 10)) << text;
}

TEST_F(HelpDocument, WithoutTheShellLibraryNothingMoreIsSaid) {
    ui.shellResult = UserInteraction::kShellNotLoaded;
    OpenHelpDocument();
    EXPECT_TRUE(ui.boxes.empty());
}

struct ShellFailure {
    uint16_t result;
    const char* caption;
    const char* start;
};

class HelpDocumentNotOpened : public HelpDocument, public ::testing::WithParamInterface<ShellFailure> {};

TEST_P(HelpDocumentNotOpened, TheUserIsToldWhyInSpanish) {
    ui.shellResult = GetParam().result;
    OpenHelpDocument();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, GetParam().caption);
    const std::string& text = ui.boxes[0].text;
    EXPECT_EQ(text.rfind(GetParam().start, 0), 0u) << text;
    // The path ends the message, shortened when it would not fit the box.
    EXPECT_LE(text.size(), kBoxTextMax);
    EXPECT_EQ(text.substr(text.size() - 19), copy.substr(copy.size() - 19)) << text;
    EXPECT_EQ(ReadAll(copy), builtIn);  // the copy stays for the next try
}

INSTANTIATE_TEST_SUITE_P(
    Results, HelpDocumentNotOpened,
    ::testing::Values(
        ShellFailure{31, "Se requiere un lector de ficheros .pdf", "No hay ningún programa para abrir la guía de uso."},
        ShellFailure{2, "No se puede abrir la guía", "No se ha podido abrir la guía de uso (error 2):"},
        ShellFailure{0, "No se puede abrir la guía", "No se ha podido abrir la guía de uso (error 0):"},
        ShellFailure{32, "No se puede abrir la guía", "No se ha podido abrir la guía de uso (error 32):"}));

}  // namespace
