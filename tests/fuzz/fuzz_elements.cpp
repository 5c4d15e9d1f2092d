// "elements.dat" with any contents: the load, and the save and load again of what was read.

#include <unistd.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "chemistry/elements.h"
#include "silent_ui.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// LoadElements reads the current folder: each fuzzer process works in a folder of its own,
// removed when the process ends (libFuzzer ends with exit() after its runs).
std::filesystem::path g_folder;

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(g_folder.parent_path(), ignored);
    std::filesystem::remove_all(g_folder, ignored);
}

void EnterScratchFolder() {
    g_folder = std::filesystem::temp_directory_path() / ("zorvi-fuzz-elements-" + std::to_string(getpid()));
    std::filesystem::create_directories(g_folder);
    std::filesystem::current_path(g_folder);
    std::atexit(RemoveScratchFolder);
}

void WriteFile(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(kElementsFile, "wb");
    Check(file != nullptr);
    Check(std::fwrite(data, 1, size, file) == size);
    Check(std::fclose(file) == 0);
}

bool SameElement(const Element& a, const Element& b) {
    return a.z == b.z && a.symbol == b.symbol && a.name == b.name &&
           std::bit_cast<uint64_t>(a.mass) == std::bit_cast<uint64_t>(b.mass);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool entered = (EnterScratchFolder(), true);
    (void)entered;
    SilentUi ui;
    WriteFile(data, size);

    LoadElements();
    const std::size_t records = size / kElementRecordSize;
    Check(Elements.count == (records < kElementRoom ? records : kElementRoom));
    Check(ui.boxes == (records > kElementRoom ? 1 : 0));
    for (int i = 1; i <= Elements.count; ++i) {
        const Element& element = Elements.Slot(i);
        Check(element.symbol.size() <= kSymbolMax && element.name.size() <= kElementNameMax);
        Check(SameElement(DecodeElement(EncodeElement(element)), element));
        Check(FindElement(element.symbol) >= 1 && FindElement(element.symbol) <= i);
    }

    // Saving what was read and reading it back changes nothing in the table.
    const ElementTable loaded = Elements;
    Check(SaveElements());
    Check(std::filesystem::file_size(kElementsFile) == loaded.count * kElementRecordSize);
    LoadElements();
    Check(Elements.count == loaded.count);
    for (int i = 1; i <= Elements.count; ++i) Check(SameElement(Elements.Slot(i), loaded.Slot(i)));
    return 0;
}
