// The lock file beside the settings, taken with flock().
#include "core/settings/settings_lock.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace settings {

FileLock::FileLock(const std::string& lock_path, std::chrono::milliseconds patience) {
  fd_ = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0)
    return;
  // A blocking flock() is restarted after every signal, so a holder that
  // never lets go would keep even SIGTERM from ending the program: the lock
  // is only ever tried, in short steps until the patience runs out.
  using Clock = std::chrono::steady_clock;
  const Clock::time_point give_up = Clock::now() + patience;
  for (;;) {
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      held_ = true;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR)
      return;
    if (errno == EWOULDBLOCK && Clock::now() >= give_up) {
      busy_ = true;
      return;
    }
    const timespec step{0, 20 * 1000 * 1000};
    nanosleep(&step, nullptr);
  }
}

FileLock::~FileLock() {
  // Closing the file lets the lock go.
  if (fd_ >= 0)
    close(fd_);
}

} // namespace settings
