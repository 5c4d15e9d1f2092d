#include "util/files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

int ErrnoOr(int fallback) { return errno != 0 ? errno : fallback; }

}  // namespace

Entry EntryAt(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return Entry::None;
    return (info.st_mode & S_IFMT) == S_IFDIR ? Entry::Folder : Entry::File;
}

int MakeFolder(const std::string& path) {
    errno = 0;
#ifdef _WIN32
    const int result = _mkdir(path.c_str());
#else
    const int result = mkdir(path.c_str(), 0777);
#endif
    return result == 0 ? 0 : ErrnoOr(EIO);
}

int ReadCurrentDirectory(std::string& directory) {
    // The narrow (ANSI) name, in the code page that the file functions take.
    char buffer[4096];
    errno = 0;
#ifdef _WIN32
    const char* got = _getcwd(buffer, sizeof buffer);
#else
    const char* got = getcwd(buffer, sizeof buffer);
#endif
    if (got == nullptr) return ErrnoOr(EIO);
    directory = got;
    return 0;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    const bool endsWithSeparator = !directory.empty() && (directory.back() == kSeparator || directory.back() == '/');
    return endsWithSeparator ? directory + name : directory + kSeparator + name;
}

FileContent ReadFileBytes(const std::string& path, std::size_t most) {
    FileContent content;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        content.error = ErrnoOr(EIO);
        return content;
    }
    content.opened = true;
    char buffer[16384];
    std::size_t got;
    errno = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.bytes.append(buffer, got);
        if (content.bytes.size() > most) {
            content.bytes.resize(most);
            content.error = EFBIG;
            break;
        }
    }
    if (content.error == 0 && std::ferror(file) != 0) content.error = ErrnoOr(EIO);
    std::fclose(file);
    return content;
}

bool CanCreateFilesIn(const std::string& folder) {
    const std::string probe = JoinPath(folder, "zorvi-prueba.tmp~");
    errno = 0;
#ifdef _WIN32
    const int fd = _open(probe.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE);
#else
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
#endif
    // A probe left by an earlier run proves nothing either way: the folder is given the benefit.
    if (fd < 0) return errno == EEXIST;
#ifdef _WIN32
    _close(fd);
#else
    close(fd);
#endif
    std::remove(probe.c_str());
    return true;
}

#ifndef _WIN32
int ReplaceFileWith(const std::string& from, const std::string& to) {
    // POSIX rename replaces a file in one step.
    errno = 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : ErrnoOr(EIO);
}
#endif
