#include "core/i18n/message_lines.h"

namespace i18n {

namespace {

// The bytes after the first of a UTF-8 letter are 10xxxxxx.
bool starts_letter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

} // namespace

std::string broken_into_lines(const std::string& text, std::size_t width) {
  std::string out = text;
  std::size_t line_length = 0;                // letters since the last break
  std::size_t last_space = std::string::npos; // in out, on the current line
  std::size_t letters_at_space = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '\n') {
      line_length = 0;
      last_space = std::string::npos;
      continue;
    }
    if (!starts_letter(out[i]))
      continue;
    if (out[i] == ' ') {
      last_space = i;
      letters_at_space = line_length;
    }
    ++line_length;
    if (line_length > width && last_space != std::string::npos && out[i] != ' ') {
      out[last_space] = '\n';
      line_length -= letters_at_space + 1;
      last_space = std::string::npos;
    }
  }
  return out;
}

} // namespace i18n
