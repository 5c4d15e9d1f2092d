// Start-up to an idle main window: Zorvi.exe against a program that only opens one
// window, started alternately under the same Wine server so both see the same machine.
// Usage: startup_bench <Zorvi.exe> <minimal_window.exe> <working folder> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindOfProcess(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner == search->process && lstrcmpA(name, search->className) == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Milliseconds from CreateProcess to a visible main window whose thread waits for input;
// negative when the program never got there.
double StartOnce(const std::string& exe, const char* className, const std::string& folder) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + exe + "\"";
    const double start = Now();
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        return -1;
    }
    double elapsed = -1;
    Search search{pi.dwProcessId, className, nullptr};
    while (Now() - start < 30000) {
        EnumWindows(FindOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            // Idle: the window answers a message only once its loop is waiting.
            DWORD_PTR result = 0;
            SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench Zorvi.exe minimal_window.exe folder [runs]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 10;
    std::vector<double> zorvi, minimal;
    StartOnce(argv[2], "ZorviMinimal", argv[3]);  // the first start of anything loads Wine's DLLs
    for (int i = 0; i < runs; ++i) {
        const double z = StartOnce(argv[1], "FPrincipal", argv[3]);
        const double m = StartOnce(argv[2], "ZorviMinimal", argv[3]);
        if (z < 0 || m < 0) {
            std::fprintf(stderr, "a program did not reach its idle main window\n");
            return 1;
        }
        zorvi.push_back(z);
        minimal.push_back(m);
    }
    const double mz = Median(zorvi);
    const double mm = Median(minimal);
    std::printf("start-up to an idle main window, median of %d runs:\n", runs);
    std::printf("  Zorvi.exe          %8.1f ms\n", mz);
    std::printf("  minimal_window.exe %8.1f ms\n", mm);
    std::printf("  ratio              %8.2f\n", mz / mm);
    return 0;
}
