#include "util/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "util/files.h"
#include "util/number_format.h"

AtomicFile::~AtomicFile() { Abort(); }

bool AtomicFile::Open(const std::string& path) {
    Abort();
    path_ = path;
    temp_ = path + ".tmp~";
    error_.clear();
    failed_ = false;
    errno = 0;
    file_ = std::fopen(temp_.c_str(), "wb");
    if (file_ == nullptr) {
        Fail(errno);
        return false;
    }
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (file_ == nullptr || failed_) return false;
    if (bytes.empty()) return true;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        Fail(errno);
        return false;
    }
    return true;
}

bool AtomicFile::Flush() {
    if (file_ == nullptr || failed_) return false;
    errno = 0;
    if (std::fflush(file_) != 0) {
        Fail(errno);
        return false;
    }
    return true;
}

bool AtomicFile::Commit() {
    if (file_ == nullptr) {
        if (error_.empty()) Fail(EBADF);
        return false;
    }
    if (failed_) {
        Abort();
        return false;
    }
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    const int flushError = errno;
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    const int closeError = errno;
    file_ = nullptr;
    if (!flushed || !closed) {
        Fail(!flushed ? flushError : closeError);
        std::remove(temp_.c_str());
        return false;
    }
    if (const int err = ReplaceFileWith(temp_, path_); err != 0) {
        Fail(err);
        std::remove(temp_.c_str());
        return false;
    }
    return true;
}

void AtomicFile::Abort() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
        std::remove(temp_.c_str());
    }
}

void AtomicFile::Fail(int err) {
    if (!failed_) error_ = FileErrorText(err);
    failed_ = true;
}

std::string FileErrorText(int err) {
    switch (err) {
        case ENOSPC: return "el disco está lleno";
        case EACCES:
        case EPERM:
        case EROFS: return "no hay permiso para escribir ahí";
        case ENOENT:
        case ENOTDIR: return "la carpeta no existe";
        case EINVAL:
        case ENAMETOOLONG: return "el nombre del fichero no es válido";
        case EISDIR: return "hay una carpeta con ese nombre";
        case EEXIST:
        case EBUSY: return "el fichero está en uso";
        case EMFILE:
        case ENFILE: return "hay demasiados ficheros abiertos";
        case 0: return "error de escritura";
        default: return "error de escritura nº " + IntToText(err);
    }
}

std::string ReadErrorText(int err) {
    switch (err) {
        case ENOENT: return "el fichero no existe";
        case EACCES:
        case EPERM: return "no hay permiso para leerlo";
        case EISDIR: return "es una carpeta";
        case EMFILE:
        case ENFILE: return "hay demasiados ficheros abiertos";
        case 0: return "error de lectura";
        default: return "error de lectura nº " + IntToText(err);
    }
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
    AtomicFile file;
    if (!file.Open(path) || !file.Write(bytes) || !file.Commit()) {
        error = file.Error();
        return false;
    }
    return true;
}

namespace {

bool Exists(const std::string& path) { return EntryAt(path) != Entry::None; }

bool IsFolder(const std::string& path) { return EntryAt(path) == Entry::Folder; }

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

}  // namespace

bool WriteFilesTogether(const std::vector<FileToWrite>& files, std::string& error, std::string& failedPath) {
    auto fail = [&](const std::string& path, const std::string& why) {
        failedPath = path;
        error = why;
        return false;
    };
    for (const FileToWrite& file : files) {
        if (IsFolder(file.path)) return fail(file.path, FileErrorText(EISDIR));
    }
    // Unwritten files are dropped by their destructors whatever happens below.
    std::vector<std::unique_ptr<AtomicFile>> written;
    for (const FileToWrite& file : files) {
        auto atomic = std::make_unique<AtomicFile>();
        if (!atomic->Open(file.path) || !atomic->Write(file.bytes) || !atomic->Flush()) {
            return fail(file.path, atomic->Error());
        }
        written.push_back(std::move(atomic));
    }
    std::vector<std::string> movedAside;
    auto putBack = [&] {
        for (const std::string& path : movedAside) ReplaceFileWith(path + ".old~", path);
    };
    for (const FileToWrite& file : files) {
        if (!Exists(file.path)) continue;
        if (const int err = ReplaceFileWith(file.path, file.path + ".old~"); err != 0) {
            putBack();
            return fail(file.path, FileErrorText(err));
        }
        movedAside.push_back(file.path);
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (!written[i]->Commit()) {
            for (std::size_t j = 0; j < i; ++j) RemoveFile(files[j].path);
            putBack();
            return fail(files[i].path, written[i]->Error());
        }
    }
    for (const std::string& path : movedAside) RemoveFile(path + ".old~");
    return true;
}
