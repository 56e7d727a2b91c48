// Files for the tests of what the program reads and writes: a fresh directory
// per test (removed with everything in it) and a loader that expects success.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/settings/ini_document.h"

struct TempDir {
  std::string path = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "toolroom_XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
  }();
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string file(const std::string& name) const { return path + "/" + name; }
  /// Writes `bytes` to the file `name` and returns its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
    return file(name);
  }
};

/// The whole file, "" when it can't be read.
inline std::string file_text(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

inline settings::IniDocument loaded(const std::string& path) {
  settings::IniDocument doc;
  EXPECT_EQ(settings::IniDocument::load(path, doc), settings::LoadStatus::kOk) << path;
  return doc;
}

/// A section's keys and values in their order: "1=x 2=y".
inline std::string entries(const settings::IniDocument& doc, const std::string& section) {
  std::string text;
  for (const auto& entry : doc.section_entries(section))
    text += (text.empty() ? "" : " ") + entry.key + "=" + entry.value;
  return text;
}

/// The text as a loaded file.
inline settings::IniDocument loaded_text(const std::string& text) {
  return loaded(TempDir().write("s.ini", text));
}
