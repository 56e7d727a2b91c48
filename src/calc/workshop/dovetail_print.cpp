// The printed dovetail drawing. (Placeholder until the sheets are drawn.)
#include "calc/workshop/dovetail_print.h"

#include <FL/Fl_Paged_Device.H>
#include <FL/Fl_Printer.H>

#include "app/app.h"
#include "app/print_strings.h"

namespace workshop {

void draw_dovetail_sheets(Fl_Paged_Device& device, const app::App&, const DovetailPrintValues&,
                          DovetailSheets) {
  device.start_page();
  device.end_page();
}

void dovetail_print(app::App& app, const DovetailPrintValues& values, DovetailSheets sheets) {
  app::install_print_dialog_strings(app.strings());
  Fl_Printer printer;
  if (printer.start_job(sheets == DovetailSheets::kBoth ? 2 : 1) != 0)
    return;
  draw_dovetail_sheets(printer, app, values, sheets);
  printer.end_job();
}

} // namespace workshop
