// One print job the way every page prints: the print dialog in the user's
// language, then the pages drawn on the printer, then the job ended. The
// drawing itself takes any paged device, so tests print to a PostScript file.
// Every page of a job carries the stamp of the page that printed it.
#pragma once

#include <FL/Fl_Paged_Device.H>

#include <functional>
#include <string>
#include <utility>

#include "core/i18n/print_stamp.h"
#include "ui/page_id.h"

namespace ui {

class PageContext;

/// Height kept free at the foot of every printed page for the stamp.
inline constexpr int kPrintStampHeight = 18;

/// The stamp of a print from `page` today: its name as the navigation shows
/// it, in the user's language, and the date.
i18n::PrintStamp print_stamp(const PageContext& context, PageId page);

/// Draws the stamp in the band of kPrintStampHeight under a drawing area of
/// `width` × `height`: a thin rule, the title at the left, the date at the right.
void draw_print_stamp(const i18n::PrintStamp& stamp, int width, int height);

/// A paged device whose every page ends with the stamp at its foot. Its
/// printable area stops above the stamp, so a drawing that fills the area
/// leaves the stamp clear.
template <class Device> class StampedDevice : public Device {
public:
  explicit StampedDevice(i18n::PrintStamp stamp) : stamp_(std::move(stamp)) {}
  int printable_rect(int* w, int* h) override {
    const int failed = Device::printable_rect(w, h);
    *h -= kPrintStampHeight;
    return failed;
  }
  int end_page() override {
    Device::scale(1.0f); // a sheet drawn smaller still gets a stamp of full size
    int w = 0, h = 0;
    if (Device::printable_rect(&w, &h) == 0)
      draw_print_stamp(stamp_, w, h - kPrintStampHeight);
    return Device::end_page();
  }

private:
  i18n::PrintStamp stamp_;
};

/// The page count a job starts with when the pages are counted as they are
/// drawn: the PostScript then states the count it really has at its end.
/// How many pages a drawing takes depends on the paper chosen in the dialog,
/// after the job has begun.
inline constexpr int kPagesCountedAtEnd = 0;

/// Asks for a printer with the dialog offering `pages` pages and draws them
/// with `draw`, each page stamped for `page`. The printed file states the
/// number of pages drawn, whatever `pages` said. False when the user
/// cancelled the dialog, otherwise what `draw` answered.
bool print_job(PageContext& context, PageId page, int pages,
               const std::function<bool(Fl_Paged_Device&)>& draw);

/// The drawing area of a stamped sheet of the paper the print dialog offers
/// first (A4 upright), for a drawing that counts its pages before the user
/// is asked to print them. False when it can't be measured.
bool first_paper_area(int& width, int& height);

/// Sends the print jobs to a PostScript file at `path`, without a dialog,
/// instead of to the printer (for tests); "" sends them to the printer again.
void print_to_file_instead(const std::string& path);

} // namespace ui
