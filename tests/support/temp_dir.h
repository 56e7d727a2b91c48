// A fresh directory per test, removed with everything in it (read-only parts
// a test made included), and files read whole.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace testing_support {

/// The whole file, "" when it can't be read.
inline std::string file_text(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

class TempDir {
public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "toolroom-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    const std::string command = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
    if (std::system(command.c_str()) != 0)
      std::fprintf(stderr, "could not remove %s\n", path_.c_str());
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& relative) const { return path_ + "/" + relative; }
  /// Writes `content` to `relative`, making the folders it needs; returns its path.
  std::string write_file(const std::string& relative, const std::string& content) const {
    const std::filesystem::path full = file(relative);
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
  }
  std::string read_file(const std::string& relative) const { return file_text(file(relative)); }
  bool exists(const std::string& relative) const {
    std::error_code ignored;
    return std::filesystem::exists(file(relative), ignored);
  }

private:
  std::string path_;
};

} // namespace testing_support
