// What stands where a file of the program should be when it is not a file:
// the user hears what it is, and it is never opened (a named pipe would
// hold the program until someone writes into it).
#pragma once

#include <string>

namespace settings {

enum class SpecialFile {
  kNone, ///< a regular file, or nothing at all
  kDirectory,
  kPipe,   ///< a named pipe (FIFO)
  kDevice, ///< a character or block device, such as /dev/null
  kOther,  ///< a socket
};

/// What `path` is, following symbolic links, found without opening it.
SpecialFile special_file_at(const std::string& path);

} // namespace settings
