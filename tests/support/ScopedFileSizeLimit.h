#pragma once
// Limits the size of files this process may write, so that a test can make a
// copy fail half-way ("File too large") even when it runs as root.

class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(long long bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    unsigned long long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};
