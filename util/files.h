#pragma once
// Questions to the file system about narrow (Windows-1252) names, the names that fopen
// takes. Failures are errno values, for FileErrorText and ReadErrorText (util/atomic_file.h).

#include <cstddef>
#include <string>

enum class Entry { None, Folder, File };

// What stands at `path`: nothing, a folder, or something else (a file).
Entry EntryAt(const std::string& path);

// Creates one folder; 0, or why not.
int MakeFolder(const std::string& path);

// The current directory; 0, or why it cannot be read.
int ReadCurrentDirectory(std::string& directory);

// `directory` and `name` joined by the system's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

// What ReadFileBytes found.
struct FileContent {
    std::string bytes;    // the whole file; after a failure, what was read before it
    int error = 0;        // 0, or why not (EFBIG: the file holds more than was asked for)
    bool opened = false;  // the file opened, so a failure came while reading
};

// The content of the file at `path`, at most `most` bytes.
FileContent ReadFileBytes(const std::string& path, std::size_t most = std::string::npos);

// Whether a new file can be created in `folder` (a file is made and removed to find out).
// A folder on a read-only place, or one the user may not write in, says no.
bool CanCreateFilesIn(const std::string& folder);

// Puts the file `from` in the place of `to` in one step, replacing `to` when it is a file;
// 0, or why not (EISDIR when a folder stands at `to`). Windows' own call is in files_win.cpp.
int ReplaceFileWith(const std::string& from, const std::string& to);
