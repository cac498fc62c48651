// The lock a running pad holds on its file, taken and tested from outside the program.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Holds a file open as a running pad holds its own: for reading and writing, sharing reading
// only, so that no other process can write, rename or delete it until the lock is released.
class PadLock {
  public:
    explicit PadLock(const std::string& path);
    ~PadLock();
    PadLock(const PadLock&) = delete;
    PadLock& operator=(const PadLock&) = delete;

    // False when the file could not be opened: it is missing, or another process holds it.
    bool Held() const { return m_file != INVALID_HANDLE_VALUE; }
    void Release();

  private:
    HANDLE m_file;
};

// Whether some process holds the file as a running pad does: it exists, yet opening it for
// writing, while sharing reading and writing, is refused. Nothing is written.
bool IsPadLocked(const std::string& path);

} // namespace driver
