#pragma once
// Makes a file or folder immutable for one test: nothing in it can be
// changed, deleted or added, not even by root, until the flag goes with the
// object. Setting the flag takes root and a file system that keeps it.

#include <string>

class ScopedImmutableEntry {
public:
    explicit ScopedImmutableEntry(std::string path);
    ~ScopedImmutableEntry();
    ScopedImmutableEntry(const ScopedImmutableEntry&) = delete;
    ScopedImmutableEntry& operator=(const ScopedImmutableEntry&) = delete;

    // False when the flag could not be set; the test then has nothing to test.
    bool Set() const { return set_; }

private:
    std::string path_;
    bool set_ = false;
};
