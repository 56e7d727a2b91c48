// A language file as the program meets it: any bytes as <code>.ini through
// the file reader into the string table, then every text of it, and the raw
// input too, handed to checked_format with the argument lists the program
// uses.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "core/i18n/format_check.h"
#include "core/i18n/string_table.h"

namespace {

// Formats a text each way the program fills texts in.
void format_every_way(const std::string& text) {
  const std::string results[] = {
      i18n::checked_format(text, "d", 42),
      i18n::checked_format(text, "dd", 7, -3),
      i18n::checked_format(text, "s", "word"),
      i18n::checked_format(text, "f", 2.5),
      i18n::checked_format(text, "g", 1e300),
      i18n::checked_format(text, "ds", 1, "two"),
      i18n::checked_format(text, "ccds", 'a', 'b', 3, "four"),
  };
  for (const std::string& result : results)
    FUZZ_CHECK(result.size() <= text.size() + 100000,
               "a formatted text of " + std::to_string(result.size()) + " characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzz::scratch_path("language");
  format_every_way(std::string(reinterpret_cast<const char*>(data), size));

  settings::IniDocument file;
  if (!fuzz::load_bytes(path, data, size, file))
    return 0;
  const i18n::StringTable table = i18n::StringTable::from_document(file);
  FUZZ_CHECK(table.count() == std::max(0, file.section_key_count(".")), "entry count differs");
  for (int i = -1; i <= i18n::kLastEntry + 1; ++i) {
    const char* entry = table.get(i);
    FUZZ_CHECK(entry == nullptr || *entry != '\0', "an empty entry is not null");
    const std::string text = table.text(i);
    FUZZ_CHECK(text.find('_') == std::string::npos, "entry " + std::to_string(i) + " keeps '_'");
    if (i == 415 || i == 461)
      FUZZ_CHECK(text.find('~') == std::string::npos, "entry " + std::to_string(i) + " keeps '~'");
    if (!text.empty())
      format_every_way(text);
  }
  for (int slot = 0; slot < i18n::kPrintStringCount; ++slot)
    (void)table.print_string(slot);
  return 0;
}
