// Where the settings file and the page state are kept: beside the executable
// when its directory can be written (a copy unpacked into a home directory,
// the build tree), otherwise in a directory of the user's own
// ($XDG_CONFIG_HOME/toolroom-calculator, by default ~/.config/...), as for a
// system-wide installation. The language files are always read from the
// program directory.
#pragma once

#include <string>

namespace settings {

/// Everything the choice depends on, gathered once at start-up.
struct DataDirInputs {
  std::string program_dir;
  bool program_dir_writable = false;
  std::string xdg_config_home; ///< "" when unset
  std::string home;            ///< "" when unset
};

struct DataDirChoice {
  std::string dir;       ///< "" when there is nowhere to keep the files
  bool per_user = false; ///< the user's own directory, which may still have to be made
  std::string error;     ///< why there is no dir, for the user
};

/// Decides the directory without touching the file system.
DataDirChoice choose_data_dir(const DataDirInputs& inputs);

/// Decides the directory, creates the per-user one when it is missing and
/// checks that it can be written; `dir` is "" and `error` says why otherwise.
DataDirChoice prepare_data_dir(const DataDirInputs& inputs);

/// Whether a file can be created in `dir`. Tries it (and removes the file),
/// because permissions alone don't tell: root writes anywhere except on a
/// read-only mount.
bool directory_is_writable(const std::string& dir);

/// Creates `dir` and its missing parents, each readable by the owner only;
/// existing ones are left as they are. False with `error` set when it can't
/// be made or something other than a directory is in the way.
bool make_private_dir(const std::string& dir, std::string& error);

} // namespace settings
