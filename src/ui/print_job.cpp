#include "ui/print_job.h"

#include <FL/Fl_Printer.H>

#include "ui/page_context.h"
#include "ui/print_strings.h"

namespace ui {

bool print_job(PageContext& context, int pages, const std::function<bool(Fl_Paged_Device&)>& draw) {
  Fl_Printer printer;
  if (start_print_job(printer, pages, context.strings()) != 0)
    return false;
  const bool printed = draw(printer);
  printer.end_job();
  return printed;
}

} // namespace ui
