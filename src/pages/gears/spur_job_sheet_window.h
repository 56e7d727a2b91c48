// The job sheet on screen and on paper: the same drawing of the sheet's
// rows in a window with a print and a close button, and on one printed page.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/gears/spur_job_sheet_form.h"
#include "ui/callbacks.h"
#include "ui/page_id.h"

class Fl_Button;
class Fl_Double_Window;
class Fl_Paged_Device;

namespace ui {
class PageContext;
}

namespace gears {

/// Draws the title and the rows with their top left corner at (x, y);
/// returns the height drawn.
/// Where each value column starts, from the left of the sheet: a column is
/// as wide as its longest value and a gap.
std::vector<int> job_sheet_columns(const std::string& title, const std::vector<JobSheetRow>& rows);

int draw_job_sheet(const std::string& title, const std::vector<JobSheetRow>& rows, int x, int y);

/// The sheet on one page of a started job. False when the device has no
/// printable area.
bool draw_job_sheet_page(Fl_Paged_Device& device, const std::string& title,
                         const std::vector<JobSheetRow>& rows);

/// Prints the sheet on one page under `title`, stamped for `page`.
bool print_sheet(ui::PageContext& app, ui::PageId page, const std::string& title,
                 const std::vector<JobSheetRow>& rows);

/// Prints the job sheet on one page, stamped for `page`.
bool print_job_sheet(ui::PageContext& app, ui::PageId page, const std::vector<JobSheetRow>& rows);

/// The widgets of the window, open to the tests.
struct JobSheetWidgets {
  Fl_Button *print = nullptr, *close = nullptr;
};

class JobSheetWindow {
public:
  /// Builds the window, hidden; its close button and the window manager's
  /// close hide it.
  JobSheetWindow(ui::PageContext& app, std::vector<JobSheetRow> rows,
                 ui::PageId page = ui::PageId::kSpurGear);
  ~JobSheetWindow();
  JobSheetWindow(const JobSheetWindow&) = delete;
  JobSheetWindow& operator=(const JobSheetWindow&) = delete;

  Fl_Double_Window* window() { return window_.get(); }
  const JobSheetWidgets& widgets() const { return w_; }

private:
  ui::Callbacks callbacks_; ///< outlives the window's buttons
  std::vector<JobSheetRow> rows_;
  std::unique_ptr<Fl_Double_Window> window_;
  JobSheetWidgets w_;
};

} // namespace gears
