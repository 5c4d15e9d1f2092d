#pragma once
// A folder of its own for a test that reads and writes files in the current folder (the
// program writes "Exerc" and its documents there): made empty, entered, and removed with
// the test. Paths are narrow Windows-1252 text, as the program names them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class TestFolder {
public:
    TestFolder() : previous_(std::filesystem::current_path()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string temp = std::filesystem::temp_directory_path().string();
        while (!temp.empty() && (temp.back() == '/' || temp.back() == '\\')) temp.pop_back();
        text_ = temp + Separator() + "zorvi-" + (test ? test->name() : "test") + "-" +
                std::to_string(std::random_device{}() % 1000000);
        folder_ = std::filesystem::path(text_);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return folder_; }
    // The folder as the program names it, and a file in it.
    const std::string& Text() const { return text_; }
    std::string Text(const std::string& relative) const { return text_ + Separator() + relative; }

    static char Separator() {
#ifdef _WIN32
        return '\\';
#else
        return '/';
#endif
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
    std::string text_;
};

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void PutFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}
