// The lock file beside the settings, taken with flock().
#include "settings/settings_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace settings {

FileLock::FileLock(const std::string& lock_path) {
  fd_ = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0)
    return;
  int result;
  do
    result = flock(fd_, LOCK_EX);
  while (result != 0 && errno == EINTR);
  held_ = result == 0;
}

FileLock::~FileLock() {
  // Closing the file lets the lock go.
  if (fd_ >= 0)
    close(fd_);
}

} // namespace settings
