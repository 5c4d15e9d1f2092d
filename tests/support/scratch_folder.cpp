// Every test program runs in a scratch folder of its own: the program reads and writes
// elements.dat and the folder Exerc in its current directory, and tests must leave
// neither in the source tree nor in the build.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <process.h>
#define ZORVI_GETPID _getpid
#else
#include <unistd.h>
#define ZORVI_GETPID getpid
#endif

namespace {

namespace fs = std::filesystem;

class ScratchFolder final : public ::testing::Environment {
public:
    void SetUp() override {
        original_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("zorvi-tests-" + std::to_string(ZORVI_GETPID()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
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

// Registered before main runs the tests.
[[maybe_unused]] ::testing::Environment* const g_scratch = ::testing::AddGlobalTestEnvironment(new ScratchFolder);

}  // namespace
