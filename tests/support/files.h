#pragma once
// Files for the tests: a file's whole bytes, read or written, and a folder of the test's own
// for what the program reads and writes in its current folder (elements.dat, zorvi.ini,
// reacciones.txt, the folder Exerc). Paths that the program names are narrow
// Windows-1252 text, as the program names them.

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>

// The whole bytes of a file; empty when it is missing or cannot be read.
std::string ReadAll(const std::filesystem::path& path);
// The file holds these bytes and nothing else.
void WriteAll(const std::filesystem::path& path, const std::string& bytes);
// How many files and folders a folder holds.
std::size_t EntriesIn(const std::filesystem::path& folder);

// An empty folder in the temporary folder, named after `prefix` (which may hold accented
// letters, as a teacher's folders do), the test and this test program, so that programs
// running side by side never share one. It is entered at once, unless told otherwise, and
// removed with all it holds at the end, the previous current folder entered again.
class ScratchFolder {
public:
    enum Entering { kEnter, kStayOutside };
    explicit ScratchFolder(const std::string& prefix = "zorvi", Entering entering = kEnter);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return folder_; }
    // The folder as the program names it, and a file in it.
    const std::string& Text() const { return text_; }
    std::string Text(const std::string& relative) const { return text_ + Separator() + relative; }

    // Enters the previous current folder again before the end.
    void Leave();
    // Kept at the end when a test of the program has failed, for a person to look into.
    void KeepWhenFailing() { keepWhenFailing_ = true; }

    static char Separator();

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
    std::string text_;
    bool entered_ = false;
    bool keepWhenFailing_ = false;
};

// A test run inside a scratch folder of its own.
class InScratchFolder : public ::testing::Test {
protected:
    const std::filesystem::path& Folder() const { return folder_.Path(); }
    const ScratchFolder& Scratch() const { return folder_; }

private:
    ScratchFolder folder_;
};
