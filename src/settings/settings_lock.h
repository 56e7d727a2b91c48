// An advisory lock beside the settings file: a program holds it from reading
// the file to writing it back, so two programs in one folder never both write
// over what the other has just written.
#pragma once

#include <string>

namespace settings {

class FileLock {
public:
  /// Waits for the exclusive lock on `lock_path`, creating the file when it
  /// is missing. A lock file that can't be made leaves the program unlocked
  /// (held() is false): writing unlocked beats not writing at all.
  explicit FileLock(const std::string& lock_path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool held() const { return held_; }

private:
  int fd_ = -1;
  bool held_ = false;
};

} // namespace settings
