// Shared by the harnesses: the program reads its INI files only from disk,
// so each input goes through one scratch file per process.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "../tests/core/settings/iniparser_reference.h"
#include "core/settings/ini_document.h"

namespace fuzz {

/// A file name of its own for this process and `name`, in $TMPDIR or /tmp.
inline std::string scratch_path(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/toolroom-fuzz-" + name + "-" +
         std::to_string(getpid()) + ".ini";
}

inline void write_bytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size)
    std::abort();
  std::fclose(file);
}

/// A broken promise of the program: say which one and stop, so that the
/// fuzzer keeps the input.
[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

} // namespace fuzz

/// Checks a promise; the message is only built when it is broken.
#define FUZZ_CHECK(ok, what)                                                                       \
  do {                                                                                             \
    if (!(ok))                                                                                     \
      ::fuzz::fail(what);                                                                          \
  } while (false)

namespace fuzz {

/// Loads the bytes as the program loads a file; false when it refuses them.
/// The program's reader must read every file as iniparser does (but for a
/// NUL byte, which only ours refuses, and a byte-order mark, which only ours
/// skips).
inline bool load_bytes(const std::string& path, const std::uint8_t* data, std::size_t size,
                       settings::IniDocument& doc) {
  write_bytes(path, data, size);
  const bool read = settings::IniDocument::load(path, doc) == settings::LoadStatus::kOk;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.find('\0') == std::string::npos && bytes.compare(0, 3, "\xEF\xBB\xBF") != 0) {
    const std::string ours = read ? ini_reference::described(doc) : "refused";
    FUZZ_CHECK(ours == ini_reference::described_by_iniparser(path),
               "the reader and iniparser differ on:\n" + bytes);
  }
  return read;
}

/// Writes `doc` as the program saves it and reads the file back. (The text
/// of save(), without its fsync calls, which would slow fuzzing a hundredfold.)
inline settings::IniDocument saved_and_reloaded(const settings::IniDocument& doc,
                                                const std::string& path) {
  const std::string text = doc.dump();
  write_bytes(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  settings::IniDocument again;
  const settings::LoadStatus status = settings::IniDocument::load(path, again);
  FUZZ_CHECK(status == settings::LoadStatus::kOk, "a saved file can't be read back:\n" + text);
  return again;
}

/// Whether a value can come back changed: writing keeps a file readable at
/// the cost of a few values nobody types. Line breaks become blanks, one
/// holding both kinds of quote loses '"', and a line too long for the reader
/// is cut (a key too long for any value, or of no name, is left out).
inline bool value_may_change(const std::string& value) {
  return value.find_first_of("\r\n") != std::string::npos ||
         (value.find('"') != std::string::npos && value.find('\'') != std::string::npos);
}
inline bool key_is_written(const std::string& key) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  return key.size() <= 1019 && !std::all_of(key.begin(), key.end(), blank);
}
inline bool line_is_short(const settings::IniDocument::Entry& entry) {
  return entry.key.size() + entry.value.size() < 900;
}

/// A section name with a blank at either end comes only after a line "[]",
/// where the reader, as iniparser does, keeps a cut-off name of the section
/// before; written in brackets, the blanks are read away again.
inline bool section_is_written(const std::string& name) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  return name.empty() || (!blank(name.front()) && !blank(name.back()));
}

/// Whether every key of a section reads back as written. A key with a blank
/// at either end, or one beginning like a comment (';', '#'), comes only from
/// iniparser's one table of full names: "b:; x" read in section "a" after a
/// section "a:b" is that section's key "; x", which is written under [a:b]
/// and read back as a comment (or without its blanks).
inline bool keys_are_written(const settings::IniDocument& doc, const std::string& name) {
  for (const auto& entry : doc.section_entries(name)) {
    if (!section_is_written(entry.key) || entry.key.find_first_of(";#") == 0)
      return false;
  }
  return true;
}

/// Whether a section's name is also the full name of a key ("[.:ratio]" in a
/// file whose section "." has "ratio"): iniparser keeps both in one table
/// under one name, so the key read after the section takes its place.
inline bool section_is_a_key(const settings::IniDocument& doc, const std::string& name) {
  for (std::size_t colon = name.find(':'); colon != std::string::npos;
       colon = name.find(':', colon + 1)) {
    const std::string section = name.substr(0, colon), key = name.substr(colon + 1);
    for (const auto& entry : doc.section_entries(section)) {
      if (entry.key == key)
        return true;
    }
  }
  return false;
}

/// Whether every section, key and value of `doc` is written exactly as it stands.
inline bool writes_exactly(const settings::IniDocument& doc) {
  for (const std::string& name : doc.section_names()) {
    if (!section_is_written(name) || section_is_a_key(doc, name) || !keys_are_written(doc, name))
      return false;
    for (const auto& entry : doc.section_entries(name)) {
      if (!key_is_written(entry.key) || value_may_change(entry.value) || !line_is_short(entry))
        return false;
    }
  }
  return true;
}

/// `again` must hold the same sections and keys as `doc`, in the same order,
/// with the same values (but those writing may change, see above).
inline void check_same_document(const settings::IniDocument& doc,
                                const settings::IniDocument& again) {
  const auto names = doc.section_names();
  const auto kept = [&doc](const std::string& name) {
    return section_is_written(name) && !section_is_a_key(doc, name) && keys_are_written(doc, name);
  };
  if (!std::all_of(names.begin(), names.end(), kept))
    return;
  FUZZ_CHECK(names == again.section_names(), "sections differ after a round trip:\n" + doc.dump());
  for (const std::string& name : names) {
    std::vector<settings::IniDocument::Entry> before;
    for (const auto& entry : doc.section_entries(name)) {
      if (key_is_written(entry.key))
        before.push_back(entry);
    }
    const auto& after = again.section_entries(name);
    FUZZ_CHECK(before.size() == after.size(),
               "section [" + name + "] has other keys after a round trip:\n" + doc.dump());
    for (std::size_t i = 0; i < before.size(); ++i) {
      const std::string& key = before[i].key;
      const std::string& value = before[i].value;
      FUZZ_CHECK(key == after[i].key,
                 "key '" + key + "' became '" + after[i].key + "'\n" + doc.dump());
      if (value_may_change(value))
        continue;
      const bool same = line_is_short(before[i])
                            ? after[i].value == value
                            : value.compare(0, after[i].value.size(), after[i].value) == 0;
      FUZZ_CHECK(same, "value of '" + key + "': '" + value + "' became '" + after[i].value + "'\n" +
                           doc.dump());
    }
  }
}

} // namespace fuzz
