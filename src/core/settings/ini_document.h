// An INI file held in memory in file order: sections in the order they were
// read or created, keys in each section in the order they were set.
//
// Files are read line by line exactly as iniparser 4.1 reads them (the format
// every file of the program uses), but in linear time: iniparser scans all its
// slots for every key it inserts, which made a large file take minutes. The
// model is what the program works on: iniparser's own dictionary puts a key
// set after a removal into the first free slot, which can move it into
// another section's run of keys, and its typed getters crash on a key that
// names a section. Here a key always stays in its section, sections and keys
// are found through an index, and values are parsed by our own readers.
//
// Writing reproduces iniparser's dump layout ("\n[%s]\n", then "%-30s = %s\n"
// per key) into a temporary file that is renamed over the old one, so a full
// disk or a crash never leaves a half-written file behind. A file that is a
// symbolic link is replaced at the link's final target, so the link stays.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace settings {

/// Why a load gave no document.
enum class LoadStatus {
  kOk,
  kMissing,        ///< no file at that path
  kNotRegularFile, ///< a directory or device where a file is expected
  kCannotRead,     ///< exists, but opening or reading it failed (no permission, I/O error)
  kTooLarge,       ///< far larger than any file the program writes
  kDamaged,        ///< the text is not an INI file (malformed or overlong line, binary)
};

/// Files larger than this are refused unread as damaged: the largest the
/// program itself writes is a State.ini of about 110 KB (every field pasted
/// full; the settings with every plate on every head are smaller still), and
/// a file of a megabyte would take a tenth of a second to read.
inline constexpr std::size_t kLargestIniFile = 512 * 1024;

/// The temporary files save() creates beside `path` are named
/// "<file name>.tmp-" and six letters or digits.
bool is_temporary_name(const std::string& file_name, const std::string& of_file);

/// The file a save of `path` replaces: the final target when `path` is a
/// symbolic link (the target need not exist yet), otherwise `path` itself.
/// "" when the links go round in circles.
std::string final_target(const std::string& path);

/// The first free name "<path>.corrupt", "<path>.corrupt-2", ... for a
/// file that is moved aside rather than written over.
std::string aside_name(const std::string& path);

/// Removes the temporary files that saves of `path` left beside its final
/// target when the program was killed, leaving any written in the last
/// `seconds` (another copy of the program may be saving right now).
/// Returns how many were removed.
int remove_stale_temporary_files(const std::string& path, int seconds);

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

  /// Loads `path`; on anything but kOk `doc` is left empty. On kCannotRead
  /// `reason` (when given) gets the system's reason.
  static LoadStatus load(const std::string& path, IniDocument& doc, std::string* reason = nullptr);
  /// Reads `text` as the contents of a file (a leading UTF-8 byte-order mark
  /// is skipped); false, with `doc` empty, when it is not an INI file.
  static bool parse(const std::string& text, IniDocument& doc);

  /// Writes the document to `path` (to its final target when it is a link)
  /// through a temporary file in the same directory and a rename. Something
  /// other than a file in that place (a directory, /dev/null, a pipe) is left
  /// alone. Returns false (and sets `error` when given) if anything fails; the
  /// previous file is then untouched.
  bool save(const std::string& path, std::string* error = nullptr) const;

  /// The text save() writes, in iniparser's dump layout. Values holding
  /// characters the reader would cut (';', '#', surrounding blanks) are quoted.
  std::string dump() const;

  bool empty() const { return sections_.empty(); }
  void clear();

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
  using Index = std::unordered_map<std::string, std::size_t>;
  Section* find_section(const std::string& lower_name);
  const Section* find_section(const std::string& lower_name) const;
  Section& append_section(const std::string& lower_name);
  /// The section a full key belongs to: the longest section name that the
  /// key starts with, followed by ':' (section names may hold ':' themselves).
  std::size_t owning_section(const std::string& lower_key) const;
  const std::string* find_in(std::size_t section, const std::string& key) const;
  void erase_in(std::size_t section, const std::string& key);

  std::vector<Section> sections_;
  Index section_index_;            ///< section name -> position in sections_
  std::vector<Index> entry_index_; ///< per section: key -> position in its entries
};

/// Lower-cases ASCII letters, as iniparser does with section and key names.
std::string to_lower(std::string text);

} // namespace settings
