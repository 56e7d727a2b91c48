// Pages and pictures of the help, looked at before the view reads them.
#include "core/i18n/help_page_files.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace i18n {

namespace {

std::optional<std::string> real_path(const std::string& path) {
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved))
    return std::nullopt;
  return std::string(resolved);
}

} // namespace

std::optional<std::string> read_help_page(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return std::nullopt;
  std::optional<std::string> text;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<unsigned long long>(info.st_size) <= kMaxHelpPageBytes) {
    // The file may have grown since; what is read is what counts.
    text.emplace(kMaxHelpPageBytes + 1, '\0');
    size_t got = 0;
    for (ssize_t n = 1; n > 0 && got < text->size(); got += static_cast<size_t>(n))
      if ((n = read(fd, text->data() + got, text->size() - got)) < 0)
        n = 0;
    text->resize(got);
    if (got > kMaxHelpPageBytes)
      text.reset();
  }
  close(fd);
  return text;
}

std::string help_image_path(const std::string& src, const std::string& page_dir) {
  const std::string path = src.compare(0, 5, "file:") == 0 ? src.substr(5) : src;
  if (path.find(':') != std::string::npos)
    return "";
  const bool relative = path.empty() || path[0] != '/';
  return (relative ? page_dir + "/" : "") + unescape_help_path(path);
}

bool is_help_image_allowed(const std::string& path, const std::string& language_dir) {
  const auto file = real_path(path);
  const auto folder = real_path(language_dir);
  struct stat info {};
  return file && folder && file->compare(0, folder->size() + 1, *folder + "/") == 0 &&
         stat(file->c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         info.st_size <= kMaxHelpImageBytes;
}

HelpPageFault check_help_images(std::string_view html, const std::string& page_dir,
                                const std::string& language_dir) {
  for (const std::string& src : help_page_images(html))
    if (!is_help_image_allowed(help_image_path(src, page_dir), language_dir))
      return HelpPageFault::kImage;
  return HelpPageFault::kNone;
}

} // namespace i18n
