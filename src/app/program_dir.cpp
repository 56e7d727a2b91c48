// Where the executable lives, whatever the working directory: the language
// files are beside it, and the settings and page state too when it can be
// written. /proc/self/exe names the file itself, so a symbolic link such as
// /usr/bin/toolroom-calculator leads to the real installation directory.
#include "app/app.h"

#include <unistd.h>

namespace app {

std::string find_program_dir() {
  std::string buffer(4096, '\0');
  for (;;) {
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0)
      return "";
    if (static_cast<size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<size_t>(length));
      break;
    }
    buffer.resize(buffer.size() * 2); // a longer path than any buffer so far
  }
  size_t slash = buffer.rfind('/');
  if (slash == std::string::npos)
    return "";
  return buffer.substr(0, slash);
}

} // namespace app
