#include "core/settings/ini_document.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <unordered_map>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

constexpr std::size_t kLongestValue = 900;
// iniparser refuses a whole file over one line longer than this (newline not counted).
constexpr std::size_t kLongestLine = 1022;
constexpr std::size_t kKeyColumn = 30;
constexpr const char* kKeyValueSeparator = " = ";
constexpr const char* kTemporarySuffix = ".tmp-";
constexpr int kMostLinks = 40; // as the kernel follows them

bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string stripped(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && is_space(text[first]))
    ++first;
  while (last > first && is_space(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}

// iniparser's dictionary while a file is read: every full key ("section" for
// a section line, "section:key" for a value) in the order first seen. A
// repeated key takes the new value in its old place; a section has no value.
struct Slots {
  std::vector<std::pair<std::string, std::optional<std::string>>> list;
  std::unordered_map<std::string, std::size_t> index;

  void set(std::string key, std::optional<std::string> value) {
    const auto [found, added] = index.emplace(key, list.size());
    if (added)
      list.emplace_back(std::move(key), std::move(value));
    else
      list[found->second].second = std::move(value);
  }
};

// One whole line as iniparser reads it: a section line changes `section`;
// one whose name is empty ("[]", "[]x]") matches nothing in iniparser's sscanf
// and keeps the section before, stripped again and then cut to one character
// less than the line, as iniparser lower-cases it into the line's length (so
// a name cut by one such line may end in a blank that the next one strips). A value in quotes is taken
// as it stands up to the closing quote; a bare value is cut at ';' or '#' and
// stripped. False for a line that is neither.
bool read_line(const std::string& raw, std::string& section, Slots& slots) {
  const std::string line = stripped(raw);
  if (line.empty() || line[0] == '#' || line[0] == ';')
    return true;
  if (line[0] == '[' && line.back() == ']') {
    const std::size_t close = line.find(']', 1);
    if (close > 1)
      section = to_lower(stripped(line.substr(1, close - 1)));
    else {
      section = stripped(section);
      section.resize(std::min(section.size(), line.size() - 1));
    }
    slots.set(section, std::nullopt);
    return true;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos || equals == 0)
    return false;
  const std::string key = to_lower(stripped(line.substr(0, equals)));
  std::size_t start = equals + 1;
  while (start < line.size() && is_space(line[start]))
    ++start;
  const std::string rest = line.substr(start);
  std::string value;
  const char quote = rest.empty() ? '\0' : rest[0];
  if ((quote == '"' || quote == '\'') && rest.size() > 1 && rest[1] != quote) {
    const std::size_t close = rest.find(quote, 1);
    value = rest.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  } else if (!rest.empty() && rest[0] != ';' && rest[0] != '#') {
    value = stripped(rest.substr(0, rest.find_first_of(";#")));
    if (value == "\"\"" || value == "''")
      value.clear();
  }
  slots.set(section + ":" + key, std::move(value));
  return true;
}

// iniparser reads a file with fgets into a buffer of 1024 bytes, a continued
// line into the rest of it. A piece that ends neither in a newline nor at the
// end of the file is too long, and that refuses the whole file; so does a
// line of neither kind. A line of one byte is skipped unread, and a line
// ending in '\' is joined to the next one (dropped when the file ends).
bool read_lines(const std::string& text, std::size_t pos, Slots& slots) {
  constexpr std::size_t kBuffer = 1024;
  std::string section;
  std::string line;
  while (pos < text.size()) {
    const std::size_t room = kBuffer - line.size() - 1;
    const std::size_t newline = text.find('\n', pos);
    const std::size_t available = (newline == std::string::npos ? text.size() : newline + 1) - pos;
    const std::size_t taken = std::min(available, room);
    line.append(text, pos, taken);
    pos += taken;
    const bool at_end = newline == std::string::npos && taken < room;
    if (line.size() <= 1) {
      line.clear();
      continue;
    }
    if (line.back() != '\n' && !at_end)
      return false;
    while (!line.empty() && is_space(line.back()))
      line.pop_back();
    if (!line.empty() && line.back() == '\\') {
      line.pop_back(); // the next piece is read over the backslash
      continue;
    }
    if (!read_line(line, section, slots))
      return false;
    line.clear();
  }
  return true;
}

// A value as iniparser reads it back unchanged: it strips blanks around a
// bare value, cuts it at ';' or '#', takes a leading quote as the start of a
// quoted value and joins the next line to one ending in '\'.
std::string quoted_if_needed(const std::string& value) {
  if (value.empty())
    return value;
  const bool needs_quotes = value.find_first_of(";#") != std::string::npos ||
                            is_space(value.front()) || is_space(value.back()) ||
                            value.front() == '"' || value.front() == '\'' || value.back() == '\\' ||
                            value.back() == ']'; // after a key starting with '[' a section line
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

// New files get the usual rw-rw-rw- minus the umask.
mode_t new_file_mode() {
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

LoadStatus IniDocument::load(const std::string& path, IniDocument& doc, std::string* reason) {
  doc.clear();
  const auto cannot_read = [reason](int error) {
    if (reason)
      *reason = std::strerror(error);
    return LoadStatus::kCannotRead;
  };
  struct stat st;
  if (stat(path.c_str(), &st) != 0)
    return (errno == ENOENT || errno == ENOTDIR) ? LoadStatus::kMissing : cannot_read(errno);
  // A directory, a pipe or a device is never opened: reading could block or rewind a tape.
  if (!S_ISREG(st.st_mode))
    return LoadStatus::kNotRegularFile;
  if (static_cast<std::size_t>(st.st_size) > kLargestIniFile)
    return LoadStatus::kTooLarge;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return cannot_read(errno);
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0)
      break;
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      const int error = errno;
      close(fd);
      return cannot_read(error);
    }
    text.append(buffer, static_cast<std::size_t>(n));
    if (text.size() > kLargestIniFile) { // it grew since stat()
      close(fd);
      return LoadStatus::kTooLarge;
    }
  }
  close(fd);
  return parse(text, doc) ? LoadStatus::kOk : LoadStatus::kDamaged;
}

bool IniDocument::parse(const std::string& text, IniDocument& doc) {
  doc.clear();
  // iniparser reads a line with a NUL byte as a shorter line and keeps going;
  // such a file is not text, so it is refused as a whole.
  if (text.find('\0') != std::string::npos)
    return false;
  // Editors on other systems start a UTF-8 file with a byte-order mark.
  const std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  Slots slots;
  if (!read_lines(text, start, slots))
    return false;
  // A section repeated further down keeps its first slot, so its later keys
  // follow another section; they are put back by name, to the longest section
  // the key starts with, as find() looks them up.
  for (auto& [key, value] : slots.list) {
    if (!value || key.find(':') == std::string::npos) {
      if (!doc.find_section(key)) // names are lower case already
        doc.append_section(key);
      continue;
    }
    const std::size_t owner = doc.owning_section(key);
    if (owner == std::string::npos)
      continue; // a key before the first section belongs to none
    Section& section = doc.sections_[owner];
    std::string name = key.substr(section.name.size() + 1);
    doc.entry_index_[owner].emplace(name, section.entries.size());
    section.entries.push_back({std::move(name), std::move(*value)});
  }
  return true;
}

bool is_temporary_name(const std::string& file_name, const std::string& of_file) {
  const std::string prefix = of_file + kTemporarySuffix;
  if (file_name.size() != prefix.size() + 6 || file_name.compare(0, prefix.size(), prefix) != 0)
    return false;
  return std::all_of(file_name.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                     file_name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

std::string final_target(const std::string& path) {
  std::string target = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    struct stat st;
    if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
      return target;
    char buffer[PATH_MAX];
    const ssize_t n = readlink(target.c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer)
      return "";
    const std::string link(buffer, static_cast<std::size_t>(n));
    target = link[0] == '/' ? link : directory_of(target) + "/" + link;
  }
  return "";
}

std::string aside_name(const std::string& path) {
  std::string name = path + ".corrupt";
  struct stat st;
  for (int n = 2; lstat(name.c_str(), &st) == 0; ++n)
    name = path + ".corrupt-" + std::to_string(n);
  return name;
}

int remove_stale_temporary_files(const std::string& path, int seconds) {
  const std::string target = final_target(path);
  if (target.empty())
    return 0;
  const std::string folder = directory_of(target);
  const std::string name = target.substr(target.rfind('/') + 1);
  DIR* listing = opendir(folder.c_str());
  if (!listing)
    return 0;
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  while (const dirent* entry = readdir(listing)) {
    if (!is_temporary_name(entry->d_name, name))
      continue;
    const std::string file = folder + "/" + entry->d_name;
    struct stat st;
    if (lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime + seconds < now &&
        unlink(file.c_str()) == 0)
      ++removed;
  }
  closedir(listing);
  return removed;
}

bool IniDocument::save(const std::string& path, std::string* error) const {
  // Users link these files into synced folders: the link stays, its target is replaced.
  const std::string target = final_target(path);
  if (target.empty())
    return fail(error, "cannot replace " + path + ": " + std::strerror(ELOOP));
  struct stat st;
  const bool exists = stat(target.c_str(), &st) == 0;
  // Renaming over /dev/null or a pipe would put a file in its place, and
  // writing into a device could do harm: anything but a file is left alone.
  if (exists && !S_ISREG(st.st_mode))
    return fail(error, "cannot replace " + target + ": it is not a regular file");
  const std::string text = dump();
  std::string temp_name = target + kTemporarySuffix + "XXXXXX";
  const int fd = mkstemp(&temp_name[0]);
  if (fd < 0)
    return fail(error,
                "cannot create a temporary file for " + target + ": " + std::strerror(errno));

  // Owner and permissions are a courtesy (a replaced file keeps its own rather
  // than mkstemp's private 0600); a file system without them still gets the data.
  if (exists) {
    const bool owner_kept = fchown(fd, st.st_uid, st.st_gid) == 0;
    (void)owner_kept;
  }
  (void)fchmod(fd, exists ? st.st_mode & 07777 : new_file_mode());

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
  if (std::rename(temp_name.c_str(), target.c_str()) != 0) {
    err = errno;
    unlink(temp_name.c_str());
    return fail(error, "cannot replace " + target + ": " + std::strerror(err));
  }
  // Make the rename itself durable; the file is already complete either way.
  const int dir_fd = open(directory_of(target).c_str(), O_RDONLY | O_DIRECTORY);
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
      // file has one) is left out rather than make the whole file unreadable,
      // and so is a key of no name ("b:" read in section "a" after a section
      // "a:b" is that section's key ""), whose line "= v" no reader takes.
      if (before_value > kLongestLine || stripped(entry.key).empty())
        continue;
      text += entry.key;
      text.append(key_width - entry.key.size(), ' ');
      text += kKeyValueSeparator + written_value(entry.value, kLongestLine - before_value) + "\n";
    }
  }
  return text;
}

void IniDocument::clear() {
  sections_.clear();
  section_index_.clear();
  entry_index_.clear();
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
    append_section(name);
}

IniDocument::Section& IniDocument::append_section(const std::string& lower_name) {
  section_index_.emplace(lower_name, sections_.size());
  entry_index_.emplace_back();
  sections_.push_back({lower_name, {}});
  return sections_.back();
}

IniDocument::Section* IniDocument::find_section(const std::string& lower_name) {
  const auto found = section_index_.find(lower_name);
  return found == section_index_.end() ? nullptr : &sections_[found->second];
}

const IniDocument::Section* IniDocument::find_section(const std::string& lower_name) const {
  const auto found = section_index_.find(lower_name);
  return found == section_index_.end() ? nullptr : &sections_[found->second];
}

std::size_t IniDocument::owning_section(const std::string& lower_key) const {
  // Longest first: every ':' of the key, from the last, may end a section name.
  for (std::size_t colon = lower_key.rfind(':'); colon != std::string::npos;
       colon = colon == 0 ? std::string::npos : lower_key.rfind(':', colon - 1)) {
    const auto found = section_index_.find(lower_key.substr(0, colon));
    if (found != section_index_.end())
      return found->second;
  }
  return std::string::npos;
}

const std::string* IniDocument::find_in(std::size_t section, const std::string& key) const {
  const auto found = entry_index_[section].find(key);
  return found == entry_index_[section].end() ? nullptr
                                              : &sections_[section].entries[found->second].value;
}

void IniDocument::erase_in(std::size_t section, const std::string& key) {
  Index& index = entry_index_[section];
  const auto found = index.find(key);
  if (found == index.end())
    return;
  const std::size_t position = found->second;
  index.erase(found);
  std::vector<Entry>& entries = sections_[section].entries;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(position));
  for (std::size_t i = position; i < entries.size(); ++i)
    index[entries[i].key] = i;
}

const std::string* IniDocument::find(const std::string& full_key) const {
  const std::string lower = to_lower(full_key);
  const std::size_t section = owning_section(lower);
  if (section == std::string::npos)
    return nullptr;
  return find_in(section, lower.substr(sections_[section].name.size() + 1));
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
  std::size_t section = owning_section(lower);
  if (section == std::string::npos) {
    append_section(lower.substr(0, colon));
    section = sections_.size() - 1;
  }
  std::string key = lower.substr(sections_[section].name.size() + 1);
  const auto [found, added] = entry_index_[section].emplace(key, sections_[section].entries.size());
  if (added)
    sections_[section].entries.push_back({std::move(key), value});
  else
    sections_[section].entries[found->second].value = value;
  return true;
}

void IniDocument::unset(const std::string& full_key) {
  const std::string lower = to_lower(full_key);
  const std::size_t section = owning_section(lower);
  if (section != std::string::npos)
    erase_in(section, lower.substr(sections_[section].name.size() + 1));
}

void IniDocument::unset_in_section(const std::string& section, const std::string& key) {
  const auto found = section_index_.find(to_lower(section));
  if (found != section_index_.end())
    erase_in(found->second, to_lower(key));
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
