#include "settings/ini_document.h"

#include <iniparser/iniparser.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

int silent_error(const char*, ...) { return 0; }

constexpr std::size_t kLongestValue = 900;
// iniparser refuses a whole file over one line longer than this (newline not counted).
constexpr std::size_t kLongestLine = 1022;
constexpr std::size_t kKeyColumn = 30;
constexpr const char* kKeyValueSeparator = " = ";

// iniparser reads a line with a NUL byte as a shorter line and keeps going;
// such a file is not text, so it is refused as a whole.
bool has_nul_byte(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return bytes.find('\0') != std::string::npos;
}

bool starts_with_section(const std::string& full_key, const std::string& section) {
  return full_key.size() > section.size() && full_key[section.size()] == ':' &&
         full_key.compare(0, section.size(), section) == 0;
}

// The section a full key belongs to: the longest section name that the key
// starts with, followed by ':' (section names may hold ':' themselves).
template <typename Sections>
auto owning_section(Sections& sections, const std::string& lower_key) -> decltype(&sections[0]) {
  decltype(&sections[0]) best = nullptr;
  for (auto& section : sections) {
    if (starts_with_section(lower_key, section.name) &&
        (!best || section.name.size() > best->name.size()))
      best = &section;
  }
  return best;
}

bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// A value as iniparser reads it back unchanged: it strips blanks around a
// bare value, cuts it at ';' or '#', takes a leading quote as the start of a
// quoted value and joins the next line to one ending in '\'.
std::string quoted_if_needed(const std::string& value) {
  if (value.empty())
    return value;
  const bool needs_quotes = value.find_first_of(";#") != std::string::npos ||
                            is_space(value.front()) || is_space(value.back()) ||
                            value.front() == '"' || value.front() == '\'' || value.back() == '\\';
  if (!needs_quotes)
    return value;
  if (value.find('"') == std::string::npos)
    return '"' + value + '"';
  if (value.find('\'') == std::string::npos)
    return '\'' + value + '\'';
  // Neither quote can enclose a value holding both; the double quotes are
  // dropped so the rest of the value survives.
  std::string without;
  for (char c : value) {
    if (c != '"')
      without += c;
  }
  return '"' + without + '"';
}

// The text written for a value with `room` characters left on its line.
// A line break can't be stored in a line-based file, so it becomes a blank.
std::string written_value(std::string value, std::size_t room) {
  for (char& c : value) {
    if (c == '\n' || c == '\r')
      c = ' ';
  }
  // iniparser refuses a whole file over one line of more than about 1000
  // characters; a value pasted that long is cut rather than losing the file.
  if (value.size() > kLongestValue)
    value.resize(kLongestValue);
  std::string written = quoted_if_needed(value);
  // Behind a long key the line can still be too long: cut further, leaving
  // room for the quotes the cut value may need.
  if (written.size() > room) {
    value.resize(std::min(value.size(), room >= 2 ? room - 2 : 0));
    written = quoted_if_needed(value);
  }
  return written;
}

bool fail(std::string* error, const std::string& message) {
  if (error)
    *error = message;
  return false;
}

// New files get the usual rw-rw-rw- minus the umask; a replaced file keeps
// its own permissions rather than mkstemp's private 0600.
mode_t mode_for(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) == 0)
    return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string directory_of(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string to_lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

LoadStatus IniDocument::load(const std::string& path, IniDocument& doc) {
  doc.clear();
  struct stat st;
  if (stat(path.c_str(), &st) != 0)
    return (errno == ENOENT || errno == ENOTDIR) ? LoadStatus::kMissing : LoadStatus::kUnreadable;
  // iniparser would load a directory as an empty dictionary.
  if (!S_ISREG(st.st_mode))
    return LoadStatus::kNotRegularFile;
  if (has_nul_byte(path))
    return LoadStatus::kUnreadable;

  iniparser_set_error_callback(silent_error);
  dictionary* dict = iniparser_load(path.c_str());
  iniparser_set_error_callback(nullptr);
  if (!dict)
    return LoadStatus::kUnreadable;

  // Fresh from the file, the slots are in file order: a section's entry (no
  // value) and then its keys. A section repeated further down keeps its first
  // slot, so its later keys follow another section; they are put back by name,
  // to the longest section the key starts with, as find() looks them up.
  for (ssize_t i = 0; i < dict->size; ++i) {
    if (!dict->key[i])
      continue;
    const std::string key = dict->key[i];
    if (!dict->val[i] || key.find(':') == std::string::npos) {
      doc.add_section(key);
      continue;
    }
    Section* target = owning_section(doc.sections_, key);
    if (!target)
      continue; // a key before the first section belongs to none
    target->entries.push_back({key.substr(target->name.size() + 1), dict->val[i]});
  }
  iniparser_freedict(dict);
  return LoadStatus::kOk;
}

bool IniDocument::save(const std::string& path, std::string* error) const {
  const std::string text = dump();
  std::string temp_name = path + ".tmp-XXXXXX";
  const int fd = mkstemp(&temp_name[0]);
  if (fd < 0)
    return fail(error, "cannot create a temporary file for " + path + ": " + std::strerror(errno));

  // Permissions are a courtesy; a file system without them still gets the data.
  (void)fchmod(fd, mode_for(path));

  FILE* file = fdopen(fd, "w");
  if (!file) {
    const int err = errno;
    close(fd);
    unlink(temp_name.c_str());
    return fail(error, "cannot write " + temp_name + ": " + std::strerror(err));
  }
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                 std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  int err = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    err = errno;
  }
  if (!written) {
    unlink(temp_name.c_str());
    return fail(error, "cannot write " + temp_name + ": " + std::strerror(err));
  }
  if (std::rename(temp_name.c_str(), path.c_str()) != 0) {
    err = errno;
    unlink(temp_name.c_str());
    return fail(error, "cannot replace " + path + ": " + std::strerror(err));
  }
  // Make the rename itself durable; the file is already complete either way.
  const int dir_fd = open(directory_of(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir_fd >= 0) {
    (void)fsync(dir_fd);
    close(dir_fd);
  }
  return true;
}

std::string IniDocument::dump() const {
  std::string text;
  for (const Section& section : sections_) {
    // A file's "[ ]" is a section without a name; written as "[]" it would
    // not read back as one (iniparser leaves the name it read before).
    text += "\n[" + (section.name.empty() ? std::string(" ") : section.name) + "]\n";
    for (const Entry& entry : section.entries) {
      const std::size_t key_width = std::max(entry.key.size(), kKeyColumn);
      const std::size_t before_value = key_width + std::strlen(kKeyValueSeparator);
      // A key too long to share a line with its value (only a hand-edited
      // file has one) is left out rather than make the whole file unreadable.
      if (before_value > kLongestLine)
        continue;
      text += entry.key;
      text.append(key_width - entry.key.size(), ' ');
      text += kKeyValueSeparator + written_value(entry.value, kLongestLine - before_value) + "\n";
    }
  }
  return text;
}

std::vector<std::string> IniDocument::section_names() const {
  std::vector<std::string> names;
  for (const Section& section : sections_)
    names.push_back(section.name);
  return names;
}

bool IniDocument::has_section(const std::string& section) const {
  return find_section(to_lower(section)) != nullptr;
}

void IniDocument::add_section(const std::string& section) {
  const std::string name = to_lower(section);
  if (!find_section(name))
    sections_.push_back({name, {}});
}

IniDocument::Section* IniDocument::find_section(const std::string& lower_name) {
  for (Section& section : sections_) {
    if (section.name == lower_name)
      return &section;
  }
  return nullptr;
}

const IniDocument::Section* IniDocument::find_section(const std::string& lower_name) const {
  for (const Section& section : sections_) {
    if (section.name == lower_name)
      return &section;
  }
  return nullptr;
}

const std::string* IniDocument::find(const std::string& full_key) const {
  const std::string lower = to_lower(full_key);
  const Section* section = owning_section(sections_, lower);
  if (!section)
    return nullptr;
  const std::string key = lower.substr(section->name.size() + 1);
  for (const Entry& entry : section->entries) {
    if (entry.key == key)
      return &entry.value;
  }
  return nullptr;
}

std::string IniDocument::get_string(const std::string& full_key,
                                    const std::string& fallback) const {
  const std::string* value = find(full_key);
  return value ? *value : fallback;
}

long IniDocument::get_long(const std::string& full_key, long fallback) const {
  const std::string* value = find(full_key);
  if (!value)
    return fallback;
  // Base 10: a hand-written "08" is eight, not a bad octal number.
  return std::strtol(value->c_str(), nullptr, 10);
}

double IniDocument::get_double(const std::string& full_key, double fallback) const {
  const std::string* value = find(full_key);
  return value ? std::strtod(value->c_str(), nullptr) : fallback;
}

bool IniDocument::set(const std::string& full_key, const std::string& value) {
  const std::string lower = to_lower(full_key);
  const std::string::size_type colon = lower.find(':');
  if (colon == std::string::npos)
    return false;
  Section* section = owning_section(sections_, lower);
  if (!section) {
    sections_.push_back({lower.substr(0, colon), {}});
    section = &sections_.back();
  }
  const std::string key = lower.substr(section->name.size() + 1);
  for (Entry& entry : section->entries) {
    if (entry.key == key) {
      entry.value = value;
      return true;
    }
  }
  section->entries.push_back({key, value});
  return true;
}

void IniDocument::unset(const std::string& full_key) {
  const std::string lower = to_lower(full_key);
  Section* section = owning_section(sections_, lower);
  if (!section)
    return;
  const std::string key = lower.substr(section->name.size() + 1);
  for (auto it = section->entries.begin(); it != section->entries.end(); ++it) {
    if (it->key == key) {
      section->entries.erase(it);
      return;
    }
  }
}

void IniDocument::unset_in_section(const std::string& section, const std::string& key) {
  Section* found = find_section(to_lower(section));
  if (!found)
    return;
  const std::string lower_key = to_lower(key);
  for (auto it = found->entries.begin(); it != found->entries.end(); ++it) {
    if (it->key == lower_key) {
      found->entries.erase(it);
      return;
    }
  }
}

int IniDocument::section_key_count(const std::string& section) const {
  const Section* found = find_section(to_lower(section));
  return found ? static_cast<int>(found->entries.size()) : -1;
}

std::string IniDocument::section_key_at(const std::string& section, int position) const {
  const Section* found = find_section(to_lower(section));
  if (!found || position < 0 || static_cast<std::size_t>(position) >= found->entries.size())
    return "";
  return found->name + ":" + found->entries[static_cast<std::size_t>(position)].key;
}

const std::vector<IniDocument::Entry>&
IniDocument::section_entries(const std::string& section) const {
  static const std::vector<Entry> kNone;
  const Section* found = find_section(to_lower(section));
  return found ? found->entries : kNone;
}

} // namespace settings
