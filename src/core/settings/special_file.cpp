#include "core/settings/special_file.h"

#include <sys/stat.h>

namespace settings {

SpecialFile special_file_at(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0)
    return SpecialFile::kNone;
  if (S_ISREG(st.st_mode))
    return SpecialFile::kNone;
  if (S_ISDIR(st.st_mode))
    return SpecialFile::kDirectory;
  if (S_ISFIFO(st.st_mode))
    return SpecialFile::kPipe;
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
    return SpecialFile::kDevice;
  return SpecialFile::kOther;
}

} // namespace settings
