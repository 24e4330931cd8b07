#pragma once

#include <filesystem>
#include <string>

namespace brimvale::testing {

// A fresh directory under the system's temporary directory, removed with
// everything in it (read-only files too) when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

// Makes `dir` the working directory for the object's lifetime, because the
// output file is always written relative to the working directory.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& dir);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// A temporary directory that is also the working directory.
class TempWorkingDir {
public:
    TempWorkingDir() : cwd_(dir_.path()) {}
    const std::filesystem::path& path() const noexcept { return dir_.path(); }
    std::filesystem::path file(const std::string& name) const { return dir_.path() / name; }

private:
    TempDir dir_;
    ScopedWorkingDirectory cwd_;
};

// Whole-file helpers for checking what was written.
std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

} // namespace brimvale::testing
