// What the teacher keeps when the disk says no: a folder that cannot be written, a full
// disk, a save that fails half-way. In every case the program says why in Spanish, the
// batch and the old files stay as they were, and no half-written file is left under the
// user's name. Linux only: it needs /dev/full and folder permissions or attributes.
#ifdef __linux__

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "chemistry/elements.h"
#include "chemistry/reactions.h"
#include "chemistry/stoichiometry.h"
#include "shell/batch.h"
#include "shell/messages.h"
#include "shell/export.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "util/atomic_file.h"
#include "util/strings.h"

namespace {

namespace fs = std::filesystem;

bool CanCreateIn(const fs::path& dir) {
    const fs::path probe = dir / "probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return false;
    ::close(fd);
    fs::remove(probe);
    return true;
}

// Sets or clears the immutable attribute, which stops root as well as any user.
bool SetImmutable(const fs::path& dir, bool on) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// A folder nothing can be written in, and put back at the end. Permissions stop an
// ordinary user; root (as in CI containers) needs the immutable attribute.
class LockedFolder {
public:
    explicit LockedFolder(fs::path dir) : dir_(std::move(dir)) {
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        if (!CanCreateIn(dir_)) return;
        immutable_ = SetImmutable(dir_, true);
    }
    ~LockedFolder() {
        if (immutable_) SetImmutable(dir_, false);
        fs::permissions(dir_, fs::perms::owner_all);
    }
    bool Locked() const { return !CanCreateIn(dir_); }

private:
    fs::path dir_;
    bool immutable_ = false;
};

// A full disk for the file that is being written: its temporary name leads to /dev/full.
void FullDiskFor(const fs::path& target) {
    fs::create_symlink("/dev/full", target.string() + ".tmp~");
}

const char* const kMoveAdvice = "Copie la carpeta de Zorvi a Documentos y \xE1" "bralo desde all\xED.";

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override { BatchStart(); }

    void FillBatch() {
        for (int i = 0; i < 3; ++i)
            AddExercise("Pasar " + std::to_string(10 + i) + " g de H_2SO_4 a moles.", "  0.1 mol.");
    }
    void ExpectBatchIntact() {
        ASSERT_EQ(Batch.count, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Batch.Slot(i + 1).statement, "Pasar " + std::to_string(10 + i) + " g de H_2SO_4 a moles.");
        }
    }
    // The one box says what failed, where (the path shortened to fit the box) and what to do.
    void ExpectMoveAdvice(const std::string& failure, const fs::path& where, const std::string& kept) {
        ASSERT_EQ(ui.boxes.size(), 1u);
        const std::string& text = ui.boxes[0].text;
        const std::string end = "\r" + kept + " " + kMoveAdvice;
        EXPECT_LE(text.size(), kBoxTextMax);
        ASSERT_EQ(text.rfind(failure + "\r", 0), 0u) << text;
        ASSERT_GT(text.size(), failure.size() + 1 + end.size()) << text;
        EXPECT_EQ(text.substr(text.size() - end.size()), end) << text;
        const std::string path = text.substr(failure.size() + 1, text.size() - failure.size() - 1 - end.size());
        EXPECT_EQ(path, FitPath(where.string(), path.size()));
    }
    // The question before a file of another day is replaced, answered and set aside.
    void ExpectReplaceAsked(const std::string& file) {
        ASSERT_FALSE(ui.boxes.empty());
        EXPECT_EQ(ui.boxes[0].text, "Ya existe Exerc\\" + file + ". \xBFReemplazarlo?");
        ui.boxes.erase(ui.boxes.begin());
    }
    void ExpectOneBox(const std::string& cause) {
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_NE(ui.boxes[0].text.find(cause), std::string::npos) << ui.boxes[0].text;
    }

    ScratchFolder folder{"zorvi-faults"};
    const fs::path& dir = folder.Path();
    ScriptedUi ui;
};

TEST_F(FaultTest, ExportIntoAFolderThatCannotBeWrittenKeepsTheOldDocument) {
    FillBatch();
    fs::create_directories(dir / "Exerc");
    WriteAll(dir / "Exerc" / "serie.rtf", "viejo");
    LockedFolder locked(dir / "Exerc");
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    ui.boxAnswers.push_back(kAnswerYes);
    EXPECT_FALSE(ExportBatch());
    ExpectReplaceAsked("serie.rtf");
    ExpectOneBox("no hay permiso para escribir ah\xED");
    EXPECT_NE(ui.boxes[0].text.find("Exerc/serie.rtf"), std::string::npos) << ui.boxes[0].text;
    EXPECT_EQ(ReadAll(dir / "Exerc" / "serie.rtf"), "viejo");
    EXPECT_EQ(EntriesIn(dir / "Exerc"), 1u);
    EXPECT_FALSE(BatchExported);
    ExpectBatchIntact();
    // The program's own folder can be written: no advice to move it.
    EXPECT_EQ(ui.boxes[0].text.find(kMoveAdvice), std::string::npos) << ui.boxes[0].text;
}

TEST_F(FaultTest, ExportFromAFolderWhereExercCannotBeMadeSaysSo) {
    FillBatch();
    LockedFolder locked(dir);
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    EXPECT_FALSE(ExportBatch());
    ExpectOneBox("No se ha podido crear la carpeta (no hay permiso para escribir ah\xED)");
    EXPECT_FALSE(fs::exists(dir / "Exerc"));
    ExpectBatchIntact();
}

// The program started from a place it cannot write in (a read-only folder, a CD).
TEST_F(FaultTest, ExportFromAFolderThatCannotBeWrittenSaysWhereAndAdvisesCopyingZorvi) {
    FillBatch();
    LockedFolder locked(dir);
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    EXPECT_FALSE(ExportBatch());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "No se ha podido exportar");
    ExpectMoveAdvice("No se ha podido crear la carpeta (no hay permiso para escribir ah\xED):", dir / "Exerc",
                     "El lote sigue en el programa.");
    ExpectBatchIntact();

    // The teacher copies the folder somewhere else: the same batch is exported there.
    const fs::path copied = dir.string() + "-copia";
    fs::create_directories(copied);
    fs::current_path(copied);
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    EXPECT_TRUE(ExportBatch());
    EXPECT_TRUE(fs::is_regular_file(copied / "Exerc" / "serie.rtf"));
    fs::current_path(dir);
    fs::remove_all(copied);
}

TEST_F(FaultTest, ADocumentInAnExercCopiedToAReadOnlyPlaceGetsTheAdviceToo) {
    FillBatch();
    fs::create_directories(dir / "Exerc");
    LockedFolder lockedExerc(dir / "Exerc");
    LockedFolder locked(dir);
    if (!locked.Locked() || !lockedExerc.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    EXPECT_FALSE(ExportBatch());
    ASSERT_EQ(ui.boxes.size(), 1u);
    ExpectMoveAdvice("No se ha podido crear el documento (no hay permiso para escribir ah\xED):",
                     dir / "Exerc" / "serie.rtf", "El lote sigue en el programa.");
    ExpectBatchIntact();
}

TEST_F(FaultTest, ExportOntoAFullDiskKeepsTheOldDocumentAndLeavesNoFile) {
    FillBatch();
    fs::create_directories(dir / "Exerc");
    WriteAll(dir / "Exerc" / "serie.rtf", "viejo");
    FullDiskFor(dir / "Exerc" / "serie.rtf");
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    ui.boxAnswers.push_back(kAnswerYes);
    EXPECT_FALSE(ExportBatch());
    ExpectReplaceAsked("serie.rtf");
    ExpectOneBox("(el disco est\xE1 lleno)");
    EXPECT_EQ(ReadAll(dir / "Exerc" / "serie.rtf"), "viejo");
    EXPECT_EQ(EntriesIn(dir / "Exerc"), 1u);  // the temporary name is gone too
    EXPECT_FALSE(BatchExported);
    ExpectBatchIntact();

    // Room again: the same export now goes through.
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "Serie", 1});
    ui.boxAnswers.push_back(kAnswerYes);
    EXPECT_TRUE(ExportBatch());
    EXPECT_NE(ReadAll(dir / "Exerc" / "serie.rtf").find("H{\\sub 2}SO{\\sub 4}"), std::string::npos);
}

TEST_F(FaultTest, ANewDocumentOntoAFullDiskLeavesNothingUnderItsName) {
    FillBatch();
    fs::create_directories(dir / "Exerc");
    FullDiskFor(dir / "Exerc" / "nueva.rtf");
    ui.saves.push_back(ScriptedUi::SaveAnswer{"nueva", "Serie", 0});
    EXPECT_FALSE(ExportBatch());
    ExpectOneBox("(el disco est\xE1 lleno)");
    EXPECT_EQ(EntriesIn(dir / "Exerc"), 0u);
    ExpectBatchIntact();
}

// elements.dat: the table the teacher edited stays in memory, the old file on disk.
class ElementsFaultTest : public FaultTest {
protected:
    void SetUp() override {
        FaultTest::SetUp();
        Element h;
        h.z = 1;
        h.symbol = "H";
        h.mass = 1.008;
        h.name = "Hidr\xF3geno";
        Elements.count = 1;
        Elements.Slot(1) = h;
        ASSERT_TRUE(SaveElements());
        old = ReadAll("elements.dat");
        ASSERT_EQ(old.size(), kElementRecordSize);
        Elements.Slot(1).name = "editado";
    }
    void ExpectOldFileAndEditedTable() {
        EXPECT_EQ(ReadAll("elements.dat"), old);
        EXPECT_EQ(Elements.count, 1);
        EXPECT_EQ(Elements.Slot(1).name, "editado");
    }
    std::string old;
};

TEST_F(ElementsFaultTest, ASaveOntoAFullDiskKeepsTheOldFile) {
    FullDiskFor(dir / "elements.dat");
    EXPECT_FALSE(SaveElements());
    ExpectOneBox("(el disco est\xE1 lleno)");
    ExpectOldFileAndEditedTable();
    EXPECT_EQ(EntriesIn(dir), 1u);
    EXPECT_TRUE(SaveElements());  // room again
    LoadElements();
    EXPECT_EQ(Elements.Slot(1).name, "editado");
}

TEST_F(ElementsFaultTest, ASaveInAFolderThatCannotBeWrittenKeepsTheOldFile) {
    LockedFolder locked(dir);
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    EXPECT_FALSE(SaveElements());
    ExpectOneBox("(no hay permiso para escribir ah\xED)");
    ExpectOldFileAndEditedTable();
}

TEST_F(ElementsFaultTest, ASaveInAFolderThatCannotBeWrittenSaysWhereAndAdvisesCopyingZorvi) {
    LockedFolder locked(dir);
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    EXPECT_FALSE(SaveElements());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Elementos qu\xEDmicos");
    ExpectMoveAdvice("No se han podido grabar los elementos (no hay permiso para escribir ah\xED):",
                     dir / "elements.dat", "Siguen en la tabla mientras el programa est\xE9 abierto.");
    ExpectOldFileAndEditedTable();
}

// Zorvi.exe alone on a read-only place: the built-in table works from memory, silently,
// and the first save of the element editor says where it tried to write.
TEST_F(FaultTest, AStartWhereNothingCanBeWrittenUsesTheBuiltInTable) {
    Element h;
    h.z = 1;
    h.symbol = "H";
    h.mass = 1.008;
    h.name = "Hidr\xF3geno";
    const ElementRecordBytes record = EncodeElement(h);
    static const std::string table(record.begin(), record.end());
    DefaultElementTable = table;
    LockedFolder locked(dir);
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    LoadElements();
    EXPECT_EQ(Elements.count, 1);
    EXPECT_EQ(Elements.Slot(1).name, "Hidr\xF3geno");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(fs::exists(dir / "elements.dat"));

    Elements.Slot(1).name = "editado";
    EXPECT_FALSE(SaveElements());
    ExpectMoveAdvice("No se han podido grabar los elementos (no hay permiso para escribir ah\xED):",
                     dir / "elements.dat", "Siguen en la tabla mientras el programa est\xE9 abierto.");
    EXPECT_EQ(Elements.Slot(1).name, "editado");
}

// Every visit to the stoichiometry topic tries to write the missing reacciones.txt again;
// the teacher hears of the folder once, and the program's own list serves at every visit.
TEST_F(FaultTest, AFolderThatCannotTakeReaccionesTxtIsToldAtTheFirstVisitOnly) {
    SetCourseTable();
    LockedFolder locked(dir);
    if (!locked.Locked()) GTEST_SKIP() << "this file system lets the folder be written";
    for (int visit = 1; visit <= 2; ++visit) {
        ui.subKinds.push_back(0);  // the generation window left at once
        StoichiometryTopic();
        EXPECT_EQ(Reactions.size(), ReadReactionList(DefaultReactionsText()).reactions.size()) << visit;
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "No se puede crear el fichero reacciones.txt (no hay permiso para escribir ah\xED).\r"
                                "Se usa la lista de reacciones del programa.");
    EXPECT_FALSE(fs::exists(dir / kReactionsFile));
}

TEST_F(ElementsFaultTest, ASaveThatFailsPartWayKeepsTheOldFile) {
    // 6000 bytes: the write itself fails once the first buffer goes out, before the close.
    for (int i = 2; i <= kElementRoom; ++i) Elements.Slot(i) = Elements.Slot(1);
    Elements.count = kElementRoom;
    FullDiskFor(dir / "elements.dat");
    EXPECT_FALSE(SaveElements());
    ExpectOneBox("(el disco est\xE1 lleno)");
    EXPECT_EQ(ReadAll("elements.dat"), old);
    EXPECT_EQ(EntriesIn(dir), 1u);
    EXPECT_EQ(Elements.count, kElementRoom);
}

TEST(FullDisk, TheWriterReportsItAndKeepsTheTarget) {
    const ScratchFolder folder("zorvi-faults", ScratchFolder::kStayOutside);
    const fs::path target = folder.Path() / "doc.rtf";
    WriteAll(target, "viejo");
    for (const std::size_t size : {std::size_t(1), std::size_t(4096), std::size_t(1 << 20)}) {
        FullDiskFor(target);
        std::string error;
        EXPECT_FALSE(WriteWholeFile(target.string(), std::string(size, 'x'), error)) << size;
        EXPECT_EQ(error, "el disco est\xE1 lleno") << size;
        EXPECT_EQ(ReadAll(target), "viejo");
        EXPECT_FALSE(fs::is_symlink(target.string() + ".tmp~")) << size;
    }
}

}  // namespace

#endif  // __linux__
