// Message boxes show each line of their text as it stands, however wide:
// a long message in any language is broken into lines between words first.
#pragma once

#include <cstddef>
#include <string>

namespace i18n {

/// `text` with spaces turned into line breaks so that no line is longer than
/// `width` characters (UTF-8 letters count once). A word longer than that,
/// such as a file's path, keeps a line of its own; breaks already in the
/// text stay.
std::string broken_into_lines(const std::string& text, std::size_t width);

} // namespace i18n
