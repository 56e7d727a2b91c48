// Builds the numbered text table of one language from its language file.
#include "core/i18n/string_table.h"

#include <algorithm>
#include <cstdlib>

#include "core/i18n/common_texts.h"

namespace i18n {

const std::array<const char*, kPrintStringCount> kPrintStringKeys = {
    "title",         "printer",   "range",      "copies", "all",          "pages",
    "from",          "to",        "properties", "copyNo", "print_button", "cancel_button",
    "print_to_file", "title2",    "pagesize",   "mode",   "use",          "save",
    "cancel",        "selection", "collate"};

namespace {

// Entry keys are plain decimal numbers; anything else in section "." is ignored.
bool parse_index(const std::string& key, int& index) {
  if (key.empty() || key.size() > 6)
    return false;
  for (char c : key)
    if (c < '0' || c > '9')
      return false;
  index = std::atoi(key.c_str());
  return true;
}

// A language file writes spaces as '_' wherever it wants (the INI reader
// drops blanks at either end); the two multi-line texts use '~' for breaks.
std::string language_text(std::string value, int index) {
  if (index == texts::kRatioExplanation.entry || index == texts::kNoTrainQuestion.entry)
    std::replace(value.begin(), value.end(), '~', '\n');
  std::replace(value.begin(), value.end(), '_', ' ');
  return value;
}

} // namespace

StringTable StringTable::from_document(const settings::IniDocument& doc) {
  StringTable table;
  const auto& entries = doc.section_entries(".");
  table.count_ = static_cast<int>(entries.size());
  // Room for every entry the program uses, and for higher ones the file has,
  // so a gap in the numbering never hides the entries after it.
  int size = kLastEntry + 1;
  for (const auto& entry : entries) {
    int index = 0;
    if (parse_index(entry.key, index))
      size = std::max(size, index + 1);
  }
  table.entries_.assign(static_cast<size_t>(size), std::string());
  table.present_.assign(static_cast<size_t>(size), false);
  for (const auto& entry : entries) {
    int index = 0;
    if (!parse_index(entry.key, index) || entry.value.empty())
      continue;
    table.entries_[static_cast<size_t>(index)] = language_text(entry.value, index);
    table.present_[static_cast<size_t>(index)] = true;
  }
  for (int slot = 0; slot < kPrintStringCount; ++slot)
    table.print_strings_[static_cast<size_t>(slot)] =
        doc.get_string(std::string("local:") + kPrintStringKeys[static_cast<size_t>(slot)]);
  table.message_buttons_ = {doc.get_string("local:close"), doc.get_string("local:yes"),
                            doc.get_string("local:no")};
  return table;
}

const char* StringTable::get(int i) const {
  if (i < 0 || static_cast<size_t>(i) >= entries_.size() || !present_[static_cast<size_t>(i)])
    return nullptr;
  return entries_[static_cast<size_t>(i)].c_str();
}

std::string StringTable::text(int i) const {
  const char* s = get(i);
  return s ? std::string(s) : std::string();
}

} // namespace i18n
