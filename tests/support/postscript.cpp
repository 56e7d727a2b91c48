// Decoding the PostScript file device's texts for print tests.
#include "support/postscript.h"

#include <FL/Fl_PostScript.H>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "ui/print_job.h"

namespace testing_support {

std::vector<std::string> printed_texts(const std::string& ps) {
  std::vector<std::string> texts;
  for (size_t start = ps.find("<~"); start != std::string::npos; start = ps.find("<~", start + 2)) {
    size_t end = ps.find("~>", start);
    if (end == std::string::npos)
      break;
    std::string bytes;
    unsigned long group = 0;
    int count = 0;
    for (size_t i = start + 2; i < end; ++i) {
      char ch = ps[i];
      if (ch < '!' || ch > 'u')
        continue;
      group = group * 85 + static_cast<unsigned long>(ch - '!');
      if (++count == 5) {
        for (int k = 3; k >= 0; --k)
          bytes += static_cast<char>((group >> (8 * k)) & 0xff);
        group = 0;
        count = 0;
      }
    }
    if (count > 1) {
      for (int k = count; k < 5; ++k)
        group = group * 85 + 84;
      for (int k = 3; k >= 5 - count; --k)
        bytes += static_cast<char>((group >> (8 * k)) & 0xff);
    }
    std::string text;
    for (size_t i = 1; i < bytes.size(); i += 2)
      text += bytes[i];
    texts.push_back(text);
  }
  return texts;
}

int count_of(const std::string& haystack, const std::string& needle) {
  int n = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1))
    ++n;
  return n;
}

bool contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::string print_to_postscript(const std::string& path, int pages,
                                const std::function<void(Fl_Paged_Device&)>& draw) {
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file)
    return "";
  {
    Fl_PostScript_File_Device device;
    device.start_job(file, pages);
    draw(device);
    device.end_job(); // closes the file
  }
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string printed_to_file(const std::string& path, const std::function<void()>& print) {
  ui::print_to_file_instead(path);
  print();
  ui::print_to_file_instead("");
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

} // namespace testing_support
