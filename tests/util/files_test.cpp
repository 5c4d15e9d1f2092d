#include "util/files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "tests/support/files.h"
#include "util/atomic_file.h"

namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const { WriteAll(dir / name, bytes); }

    ScratchFolder folder{"zorvi-files", ScratchFolder::kStayOutside};
    const fs::path& dir = folder.Path();
};

TEST_F(FilesTest, EntriesAreToldApart) {
    Write("a.pdf", "x");
    fs::create_directories(dir / "carpeta");
    EXPECT_EQ(EntryAt(PathOf("a.pdf")), Entry::File);
    EXPECT_EQ(EntryAt(PathOf("carpeta")), Entry::Folder);
    EXPECT_EQ(EntryAt(PathOf("nada")), Entry::None);
}

TEST_F(FilesTest, AFolderIsMadeOnceAndItsFailuresSayWhy) {
    EXPECT_EQ(MakeFolder(PathOf("Zorvi-1.0")), 0);
    EXPECT_EQ(EntryAt(PathOf("Zorvi-1.0")), Entry::Folder);
    EXPECT_EQ(MakeFolder(PathOf("Zorvi-1.0")), EEXIST);
    EXPECT_EQ(MakeFolder(PathOf("no/hay/padre")), ENOENT);
}

// A batch, a table or a settings file comes back whole, or with the reason the teacher is told.
TEST_F(FilesTest, AFileIsReadByteForByteOrSaysWhyNot) {
    std::string big(70000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = char(i * 7);
    Write("big.pdf", big);
    Write("empty.pdf", "");
    Write("ten.txt", "0123456789");
    const struct {
        const char* name;
        std::size_t most;
        std::string bytes;
        int error;
    } cases[] = {
        {"big.pdf", std::string::npos, big, 0},
        {"empty.pdf", std::string::npos, "", 0},
        {"ten.txt", 10, "0123456789", 0},  // exactly as many as asked for
        {"ten.txt", 9, "012345678", EFBIG},
        {"missing.pdf", std::string::npos, "", ENOENT},
    };
    for (const auto& c : cases) {
        const FileContent read = ReadFileBytes(PathOf(c.name), c.most);
        EXPECT_EQ(read.bytes, c.bytes) << c.name << " " << c.most;
        EXPECT_EQ(read.error, c.error) << c.name << " " << c.most;
    }
    EXPECT_EQ(ReadErrorText(ENOENT), "el fichero no existe");
}

TEST_F(FilesTest, AWritableFolderSaysSoAndKeepsNoTrace) {
    EXPECT_TRUE(CanCreateFilesIn(dir.string()));
    EXPECT_EQ(EntriesIn(dir), 0u);
    EXPECT_FALSE(CanCreateFilesIn(PathOf("missing")));
}

TEST_F(FilesTest, ReplacingPutsTheNewFileInPlace) {
    Write("new.tmp~", "nuevo");
    Write("doc.rtf", "viejo");
    ASSERT_EQ(ReplaceFileWith(PathOf("new.tmp~"), PathOf("doc.rtf")), 0);
    EXPECT_EQ(ReadFileBytes(PathOf("doc.rtf")).bytes, "nuevo");
    EXPECT_EQ(EntryAt(PathOf("new.tmp~")), Entry::None);

    Write("second.tmp~", "x");
    ASSERT_EQ(ReplaceFileWith(PathOf("second.tmp~"), PathOf("fresh.rtf")), 0);  // nothing to replace
    EXPECT_EQ(EntryAt(PathOf("fresh.rtf")), Entry::File);
}

TEST_F(FilesTest, AFolderInTheWayIsNotReplaced) {
    Write("doc.tmp~", "x");
    fs::create_directories(dir / "doc.rtf" / "dentro");
    EXPECT_EQ(ReplaceFileWith(PathOf("doc.tmp~"), PathOf("doc.rtf")), EISDIR);
    EXPECT_TRUE(fs::is_directory(dir / "doc.rtf" / "dentro"));
    EXPECT_EQ(EntryAt(PathOf("doc.tmp~")), Entry::File);
    EXPECT_EQ(ReplaceFileWith(PathOf("no-existe.tmp~"), PathOf("otro.rtf")), ENOENT);
}

TEST(PathJoining, AddsOneSeparatorOnly) {
#ifdef _WIN32
    EXPECT_EQ(JoinPath("C:\\Temp", "Zorvi-1.0"), "C:\\Temp\\Zorvi-1.0");
    EXPECT_EQ(JoinPath("C:\\Temp\\", "Zorvi-1.0"), "C:\\Temp\\Zorvi-1.0");
#else
    EXPECT_EQ(JoinPath("/tmp", "Zorvi-1.0"), "/tmp/Zorvi-1.0");
#endif
    EXPECT_EQ(JoinPath("C:/Temp/", "zorvi.pdf"), "C:/Temp/zorvi.pdf");
}

}  // namespace
