// The numbered user-interface texts of one language, built from its
// language file (section "." with keys 0, 1, 2, ... and section "local" with
// the print-dialog and message-box button texts). Pure: the app decides what
// to do when a file is missing or empty.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/i18n/text_id.h"
#include "core/settings/ini_document.h"

namespace i18n {

/// Slots of the print-dialog texts, in the order of their "local:" keys.
inline constexpr int kPrintStringCount = 21;
extern const std::array<const char*, kPrintStringCount> kPrintStringKeys;

/// The buttons of the toolkit's message boxes, from "local:close",
/// "local:yes" and "local:no" ("" where the file has none).
struct MessageButtons {
  std::string close, yes, no;
};

/// The highest entry the texts headers name; a table always has room for it.
inline constexpr int kLastEntry = 967;

class StringTable {
public:
  /// Builds the table from a loaded language file. Every '_' of a value
  /// becomes a space; in the two multi-line texts every '~' becomes a line
  /// break.
  /// Entries missing or empty in the file are null.
  static StringTable from_document(const settings::IniDocument& doc);

  /// Number of keys of section "." in the file (0: the file is empty).
  int count() const { return count_; }

  /// Entry i, or nullptr when it is missing or empty (a widget without text).
  const char* get(int i) const;
  const char* get(TextId id) const { return get(id.entry); }
  /// Entry i, or "" when missing.
  std::string text(int i) const;
  std::string text(TextId id) const { return text(id.entry); }

  /// Print-dialog text of slot `slot` ("" when its key is missing).
  const std::string& print_string(int slot) const { return print_strings_[slot]; }

  const MessageButtons& message_buttons() const { return message_buttons_; }

private:
  std::vector<std::string> entries_;
  std::vector<bool> present_;
  int count_ = 0;
  std::array<std::string, kPrintStringCount> print_strings_{};
  MessageButtons message_buttons_;
};

} // namespace i18n
