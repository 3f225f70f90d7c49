#pragma once
// Holds the calling thread to the file permissions as an ordinary user is
// held, also when the test runs as root: the thread loses the capabilities
// that let root read, write and search anything and change what another user
// owns. Threads started meanwhile (the background copies) inherit that; they
// come back when the object goes.

class ScopedOrdinaryFileRights {
public:
    ScopedOrdinaryFileRights();
    ~ScopedOrdinaryFileRights();
    ScopedOrdinaryFileRights(const ScopedOrdinaryFileRights&) = delete;
    ScopedOrdinaryFileRights& operator=(const ScopedOrdinaryFileRights&) = delete;

private:
    unsigned oldEffective_ = 0;
    bool dropped_ = false;
};
