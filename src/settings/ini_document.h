// An INI file held in memory in file order: sections in the order they were
// read or created, keys in each section in the order they were set.
//
// Files are read with iniparser (the format every file of the program uses)
// and copied at once into this ordered model. The model is what the program
// works on: iniparser's own dictionary puts a key set after a removal into
// the first free slot, which can move it into another section's run of keys,
// and its typed getters crash on a key that names a section. Here a key
// always stays in its section, and values are parsed by our own readers.
//
// Writing reproduces iniparser's dump layout ("\n[%s]\n", then "%-30s = %s\n"
// per key) into a temporary file that is renamed over the old one, so a full
// disk or a crash never leaves a half-written file behind.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace settings {

/// Why a load gave no document.
enum class LoadStatus {
  kOk,
  kMissing,        ///< no file at that path
  kNotRegularFile, ///< a directory or device where a file is expected
  kUnreadable,     ///< exists, but iniparser refused it (malformed or overlong line, binary)
};

class IniDocument {
public:
  struct Entry {
    std::string key; ///< part after "section:", lower case
    std::string value;
  };
  struct Section {
    std::string name; ///< lower case
    std::vector<Entry> entries;
  };

  /// Loads `path`; on anything but kOk `doc` is left empty.
  static LoadStatus load(const std::string& path, IniDocument& doc);

  /// Writes the document to `path` through a temporary file in the same
  /// directory and a rename. Returns false (and sets `error` when given) if
  /// anything fails; the previous file is then untouched.
  bool save(const std::string& path, std::string* error = nullptr) const;

  /// The text save() writes, in iniparser's dump layout. Values holding
  /// characters the reader would cut (';', '#', surrounding blanks) are quoted.
  std::string dump() const;

  bool empty() const { return sections_.empty(); }
  void clear() { sections_.clear(); }

  /// Section names in file order (lower case).
  std::vector<std::string> section_names() const;
  bool has_section(const std::string& section) const;
  /// Creates the section at the end if it doesn't exist yet.
  void add_section(const std::string& section);

  /// Full keys are "section:key", case-insensitive. The value, or nullptr
  /// when the key (or its section) is missing.
  const std::string* find(const std::string& full_key) const;
  bool has(const std::string& full_key) const { return find(full_key) != nullptr; }
  /// The value, or `fallback` when the key is missing.
  std::string get_string(const std::string& full_key, const std::string& fallback = "") const;
  /// The value read as an integer (strtol rules, garbage reads as 0), or
  /// `fallback` when the key is missing.
  long get_long(const std::string& full_key, long fallback) const;
  /// The value read as a double (strtod rules), or `fallback` when missing.
  double get_double(const std::string& full_key, double fallback) const;

  /// Sets a key; an existing key keeps its place, a new key goes to the end of
  /// its section, and a missing section is created at the end of the file.
  /// A key without ':' is refused (returns false).
  bool set(const std::string& full_key, const std::string& value);
  /// Removes a key; nothing happens when it is missing.
  void unset(const std::string& full_key);
  /// Removes `key` (as section_entries() lists it) from `section`. Unlike
  /// unset("section:key") this can't land in another section: with sections
  /// "a" and "a:b", the key "b:1" of section "a" has the full key of key "1"
  /// of section "a:b".
  void unset_in_section(const std::string& section, const std::string& key);

  /// Number of keys of a section, or -1 when there is no such section.
  int section_key_count(const std::string& section) const;
  /// The full key text ("brown and sharp 40-1:15") of the key at `position`
  /// in the section, or "" when out of range.
  std::string section_key_at(const std::string& section, int position) const;
  /// The keys and values of a section in order (empty when missing).
  const std::vector<Entry>& section_entries(const std::string& section) const;

private:
  Section* find_section(const std::string& lower_name);
  const Section* find_section(const std::string& lower_name) const;
  std::vector<Section> sections_;
};

/// Lower-cases ASCII letters, as iniparser does with section and key names.
std::string to_lower(std::string text);

} // namespace settings
