#include "ui/print_job.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Device.H>
#include <FL/Fl_PostScript.H>
#include <FL/Fl_Printer.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <ctime>

#include "ui/page_context.h"
#include "ui/print_strings.h"

namespace ui {

namespace {

std::string& file_instead() {
  static std::string path;
  return path;
}

std::string today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return i18n::printed_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool print_to_file(const std::string& path, const i18n::PrintStamp& stamp,
                   const std::function<bool(Fl_Paged_Device&)>& draw) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file)
    return false;
  StampedDevice<Fl_PostScript_File_Device> device(stamp);
  device.start_job(file, kPagesCountedAtEnd);
  const bool printed = draw(device);
  device.end_job(); // closes the file
  return printed;
}

} // namespace

i18n::PrintStamp print_stamp(const PageContext& context, PageId page) {
  return {i18n::printed_title(context.page_name(page)), today()};
}

void draw_print_stamp(const i18n::PrintStamp& stamp, int width, int height) {
  fl_line_style(FL_SOLID);
  fl_color(FL_BLACK);
  fl_font(FL_HELVETICA, 10);
  const int base_line = height + kPrintStampHeight - fl_descent() - 1;
  fl_line(0, height + 4, width, height + 4);
  const int date_width = static_cast<int>(fl_width(stamp.date.c_str()) + 0.5);
  fl_draw(stamp.title.c_str(), 0, base_line);
  fl_draw(stamp.date.c_str(), width - date_width, base_line);
}

bool print_job(PageContext& context, PageId page, int pages,
               const std::function<bool(Fl_Paged_Device&)>& draw) {
  const i18n::PrintStamp stamp = print_stamp(context, page);
  if (!file_instead().empty())
    return print_to_file(file_instead(), stamp, draw);
  StampedDevice<Fl_Printer> printer(stamp);
  if (start_print_job(printer, pages, context.strings()) != 0)
    return false;
  const bool printed = draw(printer);
  printer.end_job();
  return printed;
}

bool first_paper_area(int& width, int& height) {
  // Measured on a job of the toolkit's own, whose paper is the dialog's first.
  std::FILE* scratch = std::tmpfile();
  if (!scratch)
    return false;
  StampedDevice<Fl_PostScript_File_Device> sheet({});
  sheet.start_job(scratch, kPagesCountedAtEnd);
  const bool measured = sheet.printable_rect(&width, &height) == 0;
  sheet.end_job(); // closes the scratch file, which goes with it
  Fl_Display_Device::display_device()->set_current();
  return measured;
}

void print_to_file_instead(const std::string& path) { file_instead() = path; }

} // namespace ui
