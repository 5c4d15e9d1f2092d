#pragma once
// A program started from a place where it cannot write (a read-only folder, a CD, "Archivos
// de programa"): a failed export or element save says where it tried to write and that the
// Zorvi folder belongs in Documentos.

#include <string>

// The current folder when no file can be created in it; empty when it can be written.
std::string UnwritableCurrentFolder();

// The message of a save that failed in such a folder: `failure` (ending in ":"), the path
// it tried to write, `kept` (what is not lost) and the advice, the path shortened so that
// the whole text fits in a message box.
std::string UnwritableFolderMessage(const std::string& failure, const std::string& path, const std::string& kept);
