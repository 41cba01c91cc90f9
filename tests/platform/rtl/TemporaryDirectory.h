// SPDX-License-Identifier: MIT
// A scratch directory for file tests, removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

class TemporaryDirectory {
public:
    TemporaryDirectory()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "durnik-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary directory");
        FPath = pattern;
    }
    ~TemporaryDirectory()
    {
        // Tests may leave parts read-only; give the owner write access back before removing.
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(FPath, ignored)) {
            if (entry.is_directory(ignored))
                ::chmod(entry.path().c_str(), 0700);
        }
        ::chmod(FPath.c_str(), 0700);
        std::filesystem::remove_all(FPath, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& Path() const { return FPath; }
    std::string operator/(const std::string& name) const { return FPath + "/" + name; }

    std::string Write(const std::string& name, const std::string& content = "x") const
    {
        const std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string MakeDirectory(const std::string& name) const
    {
        const std::string path = *this / name;
        std::filesystem::create_directories(path);
        return path;
    }

    // Names in the directory, unsorted; hidden ones included.
    std::vector<std::string> Names(const std::string& subdirectory = {}) const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(FPath + "/" + subdirectory))
            names.push_back(entry.path().filename().string());
        return names;
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    static std::string Backslashed(std::string path)
    {
        for (char& character : path) {
            if (character == '/')
                character = '\\';
        }
        return path;
    }

private:
    std::string FPath;
};
