// Files for the tests of what the program reads and writes: a loader that
// expects success and a section's entries as one text.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/settings/ini_document.h"
#include "support/temp_dir.h"

using testing_support::file_text;
using testing_support::TempDir;

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
  return loaded(TempDir().write_file("s.ini", text));
}
