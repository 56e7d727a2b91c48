// Reading back what a print routine drew on the PostScript file device:
// the texts it wrote and how many pages it made.
#pragma once

#include <functional>
#include <string>
#include <vector>

class Fl_Paged_Device;

namespace testing_support {

/// The texts of a PostScript file written by the toolkit's device, which
/// stores each as ASCII85 of UTF-16BE between "<~" and "~>" (ASCII only back).
std::vector<std::string> printed_texts(const std::string& ps);

/// How often `part` occurs in `text` (e.g. "%%Page: " for the page count).
int count_of(const std::string& text, const std::string& part);

bool contains(const std::vector<std::string>& texts, const std::string& text);

/// What the print that `print` starts writes, sent to the file `path`
/// instead of a printer.
std::string printed_to_file(const std::string& path, const std::function<void()>& print);

/// Runs `draw` on a PostScript file device writing to `path` (a job of
/// `pages` pages) and returns the file's contents.
std::string print_to_postscript(const std::string& path, int pages,
                                const std::function<void(Fl_Paged_Device&)>& draw);

} // namespace testing_support
