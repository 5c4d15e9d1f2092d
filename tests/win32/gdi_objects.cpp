#include "tests/win32/gdi_objects.h"

#include <winternl.h>

namespace {

HMODULE Ntdll() { return GetModuleHandleA("ntdll.dll"); }

bool UnderWine() { return GetProcAddress(Ntdll(), "wine_get_version") != nullptr; }

const unsigned char* ProcessEnvironmentBlock() {
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(Ntdll(), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (query == nullptr || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) {
        return nullptr;
    }
    return reinterpret_cast<const unsigned char*>(info.PebBaseAddress);
}

// Wine keeps the table in the process, as Windows does, at the PEB's GdiSharedHandleTable:
// 65536 entries of 24 bytes (64-bit), whose type byte, at offset 14, is 0 when free.
DWORD CountWineHandleTable() {
    static_assert(sizeof(void*) == 8, "the Win32 tests run as a 64-bit program");
    constexpr std::size_t kTableOffset = 0xF8;
    constexpr std::size_t kEntries = 0x10000;
    constexpr std::size_t kEntrySize = 24;
    constexpr std::size_t kTypeOffset = 14;
    const unsigned char* peb = ProcessEnvironmentBlock();
    if (peb == nullptr) return 0;
    auto table = *reinterpret_cast<const unsigned char* const*>(peb + kTableOffset);
    if (table == nullptr) return 0;
    DWORD live = 0;
    for (std::size_t i = 0; i < kEntries; ++i) live += table[i * kEntrySize + kTypeOffset] != 0;
    return live;
}

}  // namespace

DWORD GdiObjectCount() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0 || !UnderWine()) return counted;
    return CountWineHandleTable();
}
