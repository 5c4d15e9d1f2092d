#include "util/atomic_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) { return (dir / name).string(); }
    bool OnlyFileIs(const std::string& name) {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(dir)) {
            ++count;
            if (entry.path().filename() != name) return false;
        }
        return count == 1;
    }

    ScratchFolder folder{"zorvi-atomic", ScratchFolder::kStayOutside};
    const fs::path& dir = folder.Path();
};

TEST_F(AtomicFileTest, WritesANewFileExactlyAndLeavesNoTemporaryFile) {
    std::string error;
    const std::string bytes("{\\rtf\\ansi}\r\n\xE1\x00z", 15);
    ASSERT_TRUE(WriteWholeFile(PathOf("a.rtf"), bytes, error)) << error;
    EXPECT_EQ(ReadAll(dir / "a.rtf"), bytes);
    EXPECT_TRUE(OnlyFileIs("a.rtf"));
}

TEST_F(AtomicFileTest, ReplacesAnExistingFile) {
    std::string error;
    ASSERT_TRUE(WriteWholeFile(PathOf("e.dat"), std::string(300, 'o'), error));
    ASSERT_TRUE(WriteWholeFile(PathOf("e.dat"), "new", error)) << error;
    EXPECT_EQ(ReadAll(dir / "e.dat"), "new");
    EXPECT_TRUE(OnlyFileIs("e.dat"));
}

TEST_F(AtomicFileTest, NamesWithEveryWindows1252LetterAreKept) {
    // "€", the dash and curly quotes lie where Windows-1252 and Latin-1 differ.
    const std::string name = "Tema \x96 5\x80 \x93\xE1\x94.rtf";
    std::string error;
    ASSERT_TRUE(WriteWholeFile(PathOf(name), "x", error)) << error;
    ASSERT_TRUE(WriteWholeFile(PathOf(name), "y", error)) << error;
    std::FILE* f = std::fopen(PathOf(name).c_str(), "rb");  // as the program's narrow names open
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'y');
    std::fclose(f);
    EXPECT_EQ(EntriesIn(dir), 1u);
}

TEST_F(AtomicFileTest, AFolderThatDoesNotExistIsReportedInSpanish) {
    std::string error;
    EXPECT_FALSE(WriteWholeFile(PathOf("missing/x.rtf"), "x", error));
    EXPECT_EQ(error, "la carpeta no existe");
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(AtomicFileTest, AFailedReplacementKeepsTheOldTarget) {
    // A folder stands where the file should go: the rename fails after a full write.
    fs::create_directories(dir / "taken" / "inside");
    std::string error;
    EXPECT_FALSE(WriteWholeFile(PathOf("taken"), "bytes", error));
    EXPECT_EQ(error, "hay una carpeta con ese nombre");
    EXPECT_TRUE(fs::is_directory(dir / "taken" / "inside"));
    EXPECT_FALSE(fs::exists(dir / "taken.tmp~"));
}

TEST_F(AtomicFileTest, AbandonedFileLeavesTheOldContent) {
    std::string error;
    ASSERT_TRUE(WriteWholeFile(PathOf("keep.dat"), "old", error));
    {
        AtomicFile file;
        ASSERT_TRUE(file.Open(PathOf("keep.dat")));
        EXPECT_TRUE(file.Write("partial"));
    }  // destroyed without Commit
    EXPECT_EQ(ReadAll(dir / "keep.dat"), "old");
    EXPECT_TRUE(OnlyFileIs("keep.dat"));
}

TEST_F(AtomicFileTest, CommitWithoutOpenFails) {
    AtomicFile file;
    EXPECT_FALSE(file.Write("x"));
    EXPECT_FALSE(file.Commit());
    EXPECT_FALSE(file.Error().empty());
}

TEST(FileErrors, CausesAreNamedInSpanish) {
    EXPECT_EQ(FileErrorText(ENOSPC), "el disco está lleno");
    EXPECT_EQ(FileErrorText(EACCES), "no hay permiso para escribir ahí");
    EXPECT_EQ(FileErrorText(ENOENT), "la carpeta no existe");
    EXPECT_EQ(FileErrorText(12345), "error de escritura nº 12345");
}

// ---- Several files together

class FilesTogetherTest : public AtomicFileTest {
protected:
    void Put(const std::string& name, const std::string& bytes) { WriteAll(dir / name, bytes); }
    std::vector<FileToWrite> Three(const std::string& third) {
        return {{PathOf("a.rtf"), "nuevo a"}, {PathOf("b.rtf"), "nuevo b"}, {PathOf(third), "nuevo c"}};
    }
    int Entries() { return int(EntriesIn(dir)); }
};

TEST_F(FilesTogetherTest, EveryFileTakesItsNameAndNothingElseIsLeft) {
    Put("a.rtf", "viejo a");
    std::string error, failed;
    ASSERT_TRUE(WriteFilesTogether(Three("c.rtf"), error, failed)) << error;
    EXPECT_EQ(ReadAll(dir / "a.rtf"), "nuevo a");
    EXPECT_EQ(ReadAll(dir / "b.rtf"), "nuevo b");
    EXPECT_EQ(ReadAll(dir / "c.rtf"), "nuevo c");
    EXPECT_EQ(Entries(), 3);
}

TEST_F(FilesTogetherTest, OneFileThatCannotBeWrittenLeavesEveryOldFile) {
    const struct {
        const char* what;
        std::string third;
        std::string error;
    } cases[] = {
        {"a folder holds its name", "taken", "hay una carpeta con ese nombre"},
        {"its folder does not exist", "missing/c.rtf", "la carpeta no existe"},
    };
    fs::create_directories(dir / "taken" / "inside");
    for (const auto& c : cases) {
        Put("a.rtf", "viejo a");
        Put("b.rtf", "viejo b");
        std::string error, failed;
        EXPECT_FALSE(WriteFilesTogether(Three(c.third), error, failed)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(failed, PathOf(c.third)) << c.what;
        EXPECT_EQ(ReadAll(dir / "a.rtf"), "viejo a") << c.what;
        EXPECT_EQ(ReadAll(dir / "b.rtf"), "viejo b") << c.what;
        EXPECT_EQ(Entries(), 3) << c.what;  // a.rtf, b.rtf and the folder: no temporary file
    }
}

#ifdef _WIN32
TEST_F(FilesTogetherTest, AFileOpenInAnotherProgramStopsEveryFileBeforeAnyIsReplaced) {
    Put("a.rtf", "viejo a");
    Put("b.rtf", "viejo b");
    // The C runtime shares for reading and writing, not for renaming: as a word processor would.
    std::FILE* open = std::fopen(PathOf("b.rtf").c_str(), "rb");
    ASSERT_NE(open, nullptr);
    std::string error, failed;
    const bool written = WriteFilesTogether(Three("c.rtf"), error, failed);
    std::fclose(open);
    EXPECT_FALSE(written);
    EXPECT_EQ(failed, PathOf("b.rtf"));
    EXPECT_EQ(ReadAll(dir / "a.rtf"), "viejo a");
    EXPECT_EQ(ReadAll(dir / "b.rtf"), "viejo b");
    EXPECT_FALSE(fs::exists(dir / "c.rtf"));
    EXPECT_EQ(Entries(), 2);
}
#endif

}  // namespace
