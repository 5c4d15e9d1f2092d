#pragma once
// Writing a file so that a failure never leaves a damaged or half-written file under
// its name: the bytes go to a temporary file beside it, which replaces the file only
// when everything was written and closed.
//
// Failures are reported as a Spanish text naming the cause, for the window that tells the user.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();  // abandons an uncommitted file

    // Creates the temporary file beside `path`; false (with Error()) when it cannot.
    bool Open(const std::string& path);
    // False once any write has failed; later writes are ignored.
    bool Write(std::string_view bytes);
    // Hands the bytes written so far to the system, so that a full disk shows before Commit;
    // false once any write has failed.
    bool Flush();
    // Flushes, closes and puts the file in place; false (the old file untouched) on failure.
    bool Commit();
    // Drops the temporary file; the old file stays as it was.
    void Abort();

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }
    // The cause of the first failure, in Spanish.
    const std::string& Error() const { return error_; }

private:
    void Fail(int err);

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string temp_;
    std::string error_;
    bool failed_ = false;
};

// The cause of a failed file operation (an errno value), in Spanish.
std::string FileErrorText(int err);
// The cause of a failed read (an errno value), in Spanish.
std::string ReadErrorText(int err);

// Writes the whole file atomically; false with the cause in `error`.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& error);

struct FileToWrite {
    std::string path;
    std::string bytes;
};

// Writes every file so that either all of them take their names or none does: all are
// written beside themselves first, the files they replace are moved aside (a file in use
// stops everything there), and put back if any of the new ones cannot take its name.
// False with the cause in `error` and the file it concerns in `failedPath`.
bool WriteFilesTogether(const std::vector<FileToWrite>& files, std::string& error, std::string& failedPath);
