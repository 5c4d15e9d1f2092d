#include "tests/support/files.h"

#include <fstream>
#include <iterator>
#include <random>

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return std::size_t(std::distance(std::filesystem::directory_iterator(folder), {}));
}

namespace {

// A test's name as part of a file name: a parameterised test's "Case/3" holds a slash.
std::string FileNamePart(std::string name) {
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!plain) c = '_';
    }
    return name;
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& prefix, Entering entering)
    : previous_(std::filesystem::current_path()) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string temp = std::filesystem::temp_directory_path().string();
    while (!temp.empty() && (temp.back() == '/' || temp.back() == '\\')) temp.pop_back();
    static std::random_device device;
    text_ = temp + Separator() + prefix + "-" + FileNamePart(test ? test->name() : "suite") + "-" +
            std::to_string(device() % 100000000);
    folder_ = std::filesystem::path(text_);
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    if (entering == kEnter) {
        std::filesystem::current_path(folder_);
        entered_ = true;
    }
}

ScratchFolder::~ScratchFolder() {
    Leave();
    if (keepWhenFailing_ && ::testing::UnitTest::GetInstance()->Failed()) return;
    std::error_code ignored;
    // A test may have taken the right to write away from the folder.
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void ScratchFolder::Leave() {
    if (!entered_) return;
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    entered_ = false;
}

char ScratchFolder::Separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}
