// What Windows reads from the program file: the version in its properties, the manifest
// (Common Controls 6, DPI awareness) and the files built in for a program copied alone.
// The test program links the same resources as Zorvi.exe; the version is also read from
// Zorvi.exe itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "app/built_in_files.h"
#include "app/start_up.h"
#include "chemistry/elements.h"
#include "shell/help_document.h"
#include "shell/program.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "util/files.h"

namespace {

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The four numbers of the CMake version, missing ones 0.
std::vector<unsigned> VersionNumbers(const char* version) {
    std::vector<unsigned> numbers(4, 0);
    unsigned* n = numbers.data();
    std::sscanf(version, "%u.%u.%u.%u", n, n + 1, n + 2, n + 3);
    return numbers;
}

class VersionInformation : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(GetParam().c_str(), &ignored);
        ASSERT_GT(size, 0u) << GetParam() << " has no version information (error " << GetLastError() << ")";
        block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(GetParam().c_str(), 0, size, block.data()));
    }
    std::string Text(const char* name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string query = std::string("\\StringFileInfo\\0C0A04E4\\") + name;
        if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value) {
            return "(none)";
        }
        return std::string(value, length > 0 && value[length - 1] == '\0' ? length - 1 : length);
    }
    std::vector<char> block;
};

TEST_P(VersionInformation, NamesTheProgramInSpanishWithTheCMakeVersion) {
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0C0A);
    EXPECT_EQ(translation[1], 1252);

    EXPECT_EQ(Text("ProductName"), "Zorvi");
    EXPECT_EQ(Text("FileDescription"), "Ejercicios de Química");
    EXPECT_EQ(Text("ProductVersion"), ZORVI_CMAKE_VERSION);
    EXPECT_EQ(Text("FileVersion"), ZORVI_CMAKE_VERSION);
    EXPECT_EQ(Text("LegalCopyright").rfind("\xA9 ", 0), 0u) << Text("LegalCopyright");

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const std::vector<unsigned> v = VersionNumbers(ZORVI_CMAKE_VERSION);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(v[1], v[0]));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(v[3], v[2]));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

INSTANTIATE_TEST_SUITE_P(Programs, VersionInformation,
                         ::testing::Values(ThisProgram(), std::string(ZORVI_BINARY_DIR) + "/Zorvi.exe"));

TEST(Manifest, TheControlsComeFromCommonControls6) {
    HWND button = CreateWindowA("BUTTON", "Bien", WS_POPUP, 0, 0, 60, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    // The manifest sends the standard classes to version 6 of comctl32.dll, which lives in
    // its side-by-side folder; without it they stay with user32 or the old comctl32.dll.
    HMODULE controls = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(controls, nullptr) << "the button did not come from comctl32.dll";
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls, path, MAX_PATH);
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("\\winsxs\\"), std::string::npos) << path;
    EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos) << path;
    DestroyWindow(button);
}

TEST(Manifest, ThePromiseToScaleIsMade) {
    // Declared DPI-aware, the program is never stretched by Windows.
    EXPECT_TRUE(IsProcessDPIAware());
}

TEST(BuiltInFiles, AreTheBuildsTableAndHelpDocument) {
    EXPECT_EQ(std::string(ResourceBytes(IDR_DEFAULT_ELEMENTS)),
              ReadAll(std::string(ZORVI_BINARY_DIR) + "/elements.dat"));
    EXPECT_EQ(std::string(ResourceBytes(IDR_HELP_DOCUMENT)),
              ReadAll(std::string(ZORVI_SOURCE_DIR) + "/docs/zorvi.pdf"));
    EXPECT_TRUE(ResourceBytes(IDR_HELP_DOCUMENT + 100).empty());
}

// The program copied alone into an empty folder, with no zorvi.pdf beside it.
class ProgramAlone : public InScratchFolder {
protected:
    ScriptedUi ui;
};

TEST_F(ProgramAlone, TheHelpCopyGoesToAFolderOfThisVersionInTheTemporaryFolder) {
    InstallBuiltInFiles();
    char temporary[MAX_PATH + 1] = {};
    ASSERT_GT(GetTempPathA(sizeof temporary, temporary), 0u);
    EXPECT_EQ(HelpCopy.folder, std::string(temporary) + "Zorvi-" ZORVI_CMAKE_VERSION);
    EXPECT_EQ(HelpCopy.bytes.substr(0, 5), "%PDF-");
}

TEST_F(ProgramAlone, StartsWithTheWholeTableAndOpensTheBuiltInHelp) {
    InstallBuiltInFiles();
    HelpCopy.folder = (Folder() / "temporal" / ("Zorvi-" ZORVI_CMAKE_VERSION)).string();
    ASSERT_EQ(MakeFolder((Folder() / "temporal").string()), 0);
    SetUpProgram();
    EXPECT_EQ(Elements.count, 118);
    EXPECT_EQ(FindElement("Og"), 118);
    EXPECT_EQ(ReadAll("elements.dat"), ReadAll(std::string(ZORVI_BINARY_DIR) + "/elements.dat"));

    OpenHelpDocument();
    const std::string copy = HelpCopy.folder + "\\zorvi.pdf";
    ASSERT_EQ(ui.shellOpened.size(), 1u);
    EXPECT_EQ(ui.shellOpened[0], copy);
    EXPECT_EQ(ReadAll(copy), ReadAll(std::string(ZORVI_SOURCE_DIR) + "/docs/zorvi.pdf"));
    EXPECT_TRUE(ui.boxes.empty());
    ReleaseProgram();
}

}  // namespace
