// An advisory lock beside the settings file: a program holds it from reading
// the file to writing it back, so two programs in one folder never both write
// over what the other has just written.
#pragma once

#include <chrono>
#include <string>

namespace settings {

class FileLock {
public:
  /// Tries for the exclusive lock on `lock_path` for at most `patience`
  /// (zero: one try), creating the file when it is missing. Another program
  /// holding it longer leaves busy() true: the caller never hangs on it. A
  /// lock file that can't be made leaves the program unlocked (held() and
  /// busy() false): writing unlocked beats not writing at all.
  FileLock(const std::string& lock_path, std::chrono::milliseconds patience);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool held() const { return held_; }
  /// Another program holds the lock.
  bool busy() const { return busy_; }

private:
  int fd_ = -1;
  bool held_ = false;
  bool busy_ = false;
};

} // namespace settings
