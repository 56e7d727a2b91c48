// Lists the installed languages.
#include "core/i18n/language_dirs.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace i18n {

namespace {

bool is_directory(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::vector<std::string>> entry_names(const std::string& dir) {
  DIR* handle = opendir(dir.c_str());
  if (!handle)
    return std::nullopt;
  std::vector<std::string> names;
  while (dirent* entry = readdir(handle))
    names.emplace_back(entry->d_name);
  closedir(handle);
  // Directory order depends on the file system; sorted, the flags keep their places.
  std::sort(names.begin(), names.end());
  return names;
}

} // namespace

std::optional<std::vector<std::string>> installed_languages(const std::string& language_dir,
                                                            const std::string& current) {
  auto names = entry_names(language_dir);
  if (!names)
    return std::nullopt;
  std::vector<std::string> codes;
  for (const std::string& name : *names) {
    if (name.size() != 2 || name[0] == '.' || name == current)
      continue;
    if (!is_directory(language_dir + "/" + name))
      continue;
    codes.push_back(name);
    if (codes.size() == 19)
      break;
  }
  return codes;
}

std::string find_flag_file(const std::string& dir) {
  auto names = entry_names(dir);
  if (!names)
    return "";
  for (const std::string& name : *names)
    if (name.find(".gif") != std::string::npos && !is_directory(dir + "/" + name))
      return name;
  return "";
}

bool is_safe_language_code(const std::string& code) {
  if (code.empty() || code.size() > 16)
    return false;
  return std::all_of(code.begin(), code.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
  });
}

std::string language_file_path(const std::string& program_dir, const std::string& code) {
  return program_dir + "/language/" + code + "/" + code + ".ini";
}

} // namespace i18n
