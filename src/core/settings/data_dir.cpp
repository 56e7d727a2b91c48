// Choosing and preparing the directory of the settings and page state.
#include "core/settings/data_dir.h"

#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

constexpr const char* kPerUserName = "toolroom-calculator";

bool is_absolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

// "/" becomes "", so that appending "/name" never doubles a slash.
std::string without_trailing_slashes(std::string path) {
  while (!path.empty() && path.back() == '/')
    path.pop_back();
  return path;
}

std::string nowhere(const DataDirInputs& inputs, const std::string& reason) {
  return "The program's directory '" + inputs.program_dir + "' can't be written and " + reason +
         ", so there is nowhere to keep the settings, aborting program.";
}

bool is_directory(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

DataDirChoice choose_data_dir(const DataDirInputs& inputs) {
  DataDirChoice choice;
  if (inputs.program_dir_writable) {
    choice.dir = inputs.program_dir;
    return choice;
  }
  // A relative XDG_CONFIG_HOME is to be ignored; a relative HOME would make
  // the files depend on the working directory, so it counts as none.
  std::string config = inputs.xdg_config_home;
  if (!is_absolute(config)) {
    if (!is_absolute(inputs.home)) {
      choice.error = nowhere(inputs, "there is no home directory ($HOME is not set)");
      return choice;
    }
    config = without_trailing_slashes(inputs.home) + "/.config";
  }
  choice.dir = without_trailing_slashes(config) + "/" + kPerUserName;
  choice.per_user = true;
  return choice;
}

DataDirChoice prepare_data_dir(const DataDirInputs& inputs) {
  DataDirChoice choice = choose_data_dir(inputs);
  if (!choice.per_user)
    return choice;
  std::string error;
  if (!make_private_dir(choice.dir, error)) {
    choice.error = nowhere(inputs, "'" + choice.dir + "' can't be created (" + error + ")");
    choice.dir.clear();
  } else if (!directory_is_writable(choice.dir)) {
    choice.error = nowhere(inputs, "neither can '" + choice.dir + "'");
    choice.dir.clear();
  }
  return choice;
}

bool directory_is_writable(const std::string& dir) {
  std::string probe = dir + "/.toolroom-write-test-XXXXXX";
  int fd = mkstemp(probe.data());
  if (fd < 0)
    return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

bool make_private_dir(const std::string& dir, std::string& error) {
  // Each level in turn, from the top: ~/.config itself may be missing.
  for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
    std::string level = dir.substr(0, slash);
    if (mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
      error = std::strerror(errno);
      return false;
    }
    if (!is_directory(level)) {
      error = "'" + level + "' is not a directory";
      return false;
    }
    if (slash == std::string::npos)
      return true;
  }
}

} // namespace settings
