#pragma once
// A private temporary directory for one test, removed with everything in it
// when the object goes away.

#include <string>

class TempDir {
public:
    // Creates <tmp>/<prefix>-XXXXXX; throws std::runtime_error on failure.
    explicit TempDir(const std::string& prefix = "quillon-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Path of a file inside the directory (not created).
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};
