// Every test program runs in a scratch folder of its own: the program reads and writes
// elements.dat and the folder Exerc in its current directory, and tests must leave
// neither in the source tree nor in the build. Every test then starts as a run of the
// program starts: without the options file (options that one test changed, and the
// program wrote to zorvi.ini, would otherwise reach the next test's start-up), and with
// the program's memory as it was before any test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/program_state.h"

#ifdef _WIN32
#include <process.h>
#define ZORVI_GETPID _getpid
#else
#include <unistd.h>
#define ZORVI_GETPID getpid
#endif

namespace {

namespace fs = std::filesystem;

fs::path g_folder;

class ProgramFolder final : public ::testing::Environment {
public:
    void SetUp() override {
        original_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("zorvi-tests-" + std::to_string(ZORVI_GETPID()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
        g_folder = folder_;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::current_path(original_, ignored);
        fs::remove_all(folder_, ignored);
    }

private:
    fs::path original_;
    fs::path folder_;
};

void StartAfresh() {
    std::error_code ignored;
    if (!g_folder.empty()) fs::remove(g_folder / "zorvi.ini", ignored);
    ResetProgramState();
}

// Before a suite's own set-up, and before each of its tests.
class FreshStart final : public ::testing::EmptyTestEventListener {
public:
    void OnTestSuiteStart(const ::testing::TestSuite&) override { StartAfresh(); }
    void OnTestStart(const ::testing::TestInfo&) override { StartAfresh(); }
};

::testing::Environment* Register() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshStart);
    return ::testing::AddGlobalTestEnvironment(new ProgramFolder);
}

// Registered before main runs the tests.
[[maybe_unused]] ::testing::Environment* const g_scratch = Register();

}  // namespace
