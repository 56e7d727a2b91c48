// The language entries of the messages about the settings and page-state
// files, with the English said when a language file lacks one.
#pragma once

#include <cstddef>
#include <string>

#include "core/i18n/common_texts.h"
#include "ui/page_context.h"

namespace app::file_texts {

struct Text {
  i18n::TextId entry;
  const char* english;
};

inline constexpr Text kSettingsWaiting = {
    texts::kSettingsWaiting,
    "The settings could not be saved yet: another program is holding the settings file. "
    "Your changes are kept and are saved as soon as the file is free, or when you close "
    "the program."};
/// The damaged file's name, then the name it was kept under.
inline constexpr Text kSettingsSetAside = {
    texts::kSettingsSetAside,
    "The settings file '%s' was damaged. It was kept as '%s', and your settings were saved "
    "in a new file."};
/// The page-state file's name, then why it can't be used (one of the four below).
inline constexpr Text kStateNotAFile = {
    texts::kStateNotAFile,
    "The page contents can't be kept in '%s': %s.\nThe pages start empty and are not saved "
    "when the program ends. Remove or rename it to keep your pages."};
inline constexpr Text kIsDirectory = {texts::kIsDirectory, "it is a folder, not a file"};
inline constexpr Text kIsPipe = {texts::kIsPipe, "it is a named pipe, not a file"};
inline constexpr Text kIsDevice = {texts::kIsDevice, "it is a device, not a file"};
inline constexpr Text kIsSpecial = {texts::kIsSpecial, "it is not an ordinary file"};

/// Letters on a line of these messages: the boxes don't wrap long lines.
inline constexpr std::size_t kMessageWidth = 72;

/// The text in the user's language.
inline std::string said(const ui::PageContext& app, Text text) {
  return app.lang_or(text.entry, text.english);
}

} // namespace app::file_texts
