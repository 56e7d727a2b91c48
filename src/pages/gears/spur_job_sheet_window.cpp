#include "pages/gears/spur_job_sheet_window.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "core/gears/gears_texts.h"
#include "ui/page_context.h"
#include "ui/print_job.h"

namespace gears {

namespace {

constexpr int kRowStep = 19;
constexpr int kHeadingGap = 8;
constexpr int kTitleBase = 18; ///< the title's base line below the top
constexpr int kTitleStep = 26; ///< from the title's base line to the first row's
constexpr int kValueWidth = 110;
constexpr int kColumnGap = 12;
constexpr int kFontSize = 12;
constexpr int kMargin = 14;
constexpr int kButtonsHeight = 62;

int width_of(const std::string& text) { return static_cast<int>(fl_width(text.c_str()) + 0.5); }

/// Where the value columns start, after the widest label, and how wide the
/// sheet is. A column is as wide as its longest value and a gap, so that a
/// long number never runs into the next; a single value may run on, as the
/// lines of differential indexing do.
struct SheetLayout {
  std::vector<int> columns; ///< the left edge of each value column
  int width = 0;
};

SheetLayout sheet_layout(const std::string& title, const std::vector<JobSheetRow>& rows) {
  fl_font(FL_HELVETICA, kFontSize);
  int label = 0;
  int single = 0;
  std::vector<int> widths;
  for (const JobSheetRow& row : rows) {
    if (row.heading || row.values.empty())
      continue;
    label = std::max(label, width_of(row.label) + 12);
    if (row.values.size() == 1) {
      single = std::max(single, width_of(row.values.front()));
      continue;
    }
    widths.resize(std::max(widths.size(), row.values.size()), kValueWidth);
    for (size_t i = 0; i < row.values.size(); ++i)
      widths[i] = std::max(widths[i], width_of(row.values[i]) + kColumnGap);
  }
  widths.resize(std::max<size_t>(widths.size(), 3), kValueWidth);
  SheetLayout layout;
  int x = label;
  for (int w : widths) {
    layout.columns.push_back(x);
    x += w;
  }
  int wide = std::max(x, label + single);
  fl_font(FL_HELVETICA_BOLD, kFontSize + 4);
  wide = std::max(wide, width_of(title));
  fl_font(FL_HELVETICA_BOLD, kFontSize);
  for (const JobSheetRow& row : rows)
    wide = std::max(wide, width_of(row.label));
  layout.width = wide;
  return layout;
}

int sheet_height(const std::vector<JobSheetRow>& rows) {
  int height = kTitleBase + kTitleStep;
  for (const JobSheetRow& row : rows)
    height += kRowStep + (row.heading ? kHeadingGap : 0);
  return height;
}

/// Paints the sheet on the screen, white like the paper.
class SheetView : public Fl_Widget {
public:
  SheetView(int x, int y, int w, int h, const std::string& title,
            const std::vector<JobSheetRow>& rows)
      : Fl_Widget(x, y, w, h), title_(title), rows_(rows) {}
  void draw() override {
    fl_push_clip(x(), y(), w(), h());
    fl_color(FL_WHITE);
    fl_rectf(x(), y(), w(), h());
    draw_job_sheet(title_, rows_, x() + kMargin, y() + kMargin);
    fl_pop_clip();
  }

private:
  std::string title_;
  const std::vector<JobSheetRow>& rows_;
};

} // namespace

std::vector<int> job_sheet_columns(const std::string& title, const std::vector<JobSheetRow>& rows) {
  return sheet_layout(title, rows).columns;
}

int draw_job_sheet(const std::string& title, const std::vector<JobSheetRow>& rows, int x, int y) {
  const SheetLayout layout = sheet_layout(title, rows);
  fl_color(FL_BLACK);
  fl_line_style(FL_SOLID);
  fl_font(FL_HELVETICA_BOLD, kFontSize + 4);
  int base = y + kTitleBase;
  fl_draw(title.c_str(), x, base);
  base += kTitleStep;
  for (const JobSheetRow& row : rows) {
    if (row.heading) {
      base += kHeadingGap;
      fl_font(FL_HELVETICA_BOLD, kFontSize);
      fl_draw(row.label.c_str(), x, base);
      fl_line(x, base + 3, x + layout.width, base + 3);
    } else {
      fl_font(FL_HELVETICA, kFontSize);
      fl_draw(row.label.c_str(), x, base);
      for (size_t i = 0; i < row.values.size(); ++i)
        fl_draw(row.values[i].c_str(), x + layout.columns[i], base);
    }
    base += kRowStep;
  }
  return base - y;
}

bool draw_job_sheet_page(Fl_Paged_Device& device, const std::string& title,
                         const std::vector<JobSheetRow>& rows) {
  int width = 0, height = 0;
  if (device.printable_rect(&width, &height) != 0)
    return false;
  device.start_page();
  // A sheet wider or taller than the paper is drawn smaller, on one page still.
  const double fits = std::min({1.0, static_cast<double>(width) / sheet_layout(title, rows).width,
                                static_cast<double>(height) / sheet_height(rows)});
  device.scale(static_cast<float>(fits));
  draw_job_sheet(title, rows, 0, 0);
  device.end_page();
  return true;
}

bool print_job_sheet(ui::PageContext& app, ui::PageId page, const std::vector<JobSheetRow>& rows) {
  return print_sheet(app, page, app.lang_or(texts::kJobSheetTitle, ""), rows);
}

bool print_sheet(ui::PageContext& app, ui::PageId page, const std::string& title,
                 const std::vector<JobSheetRow>& rows) {
  return ui::print_job(app, page, 1, [&](Fl_Paged_Device& device) {
    return draw_job_sheet_page(device, title, rows);
  });
}

JobSheetWindow::JobSheetWindow(ui::PageContext& app, std::vector<JobSheetRow> rows,
                               ui::PageId page)
    : rows_(std::move(rows)) {
  const std::string title = app.lang_or(texts::kJobSheetTitle, "");
  const int w = sheet_layout(title, rows_).width + 2 * kMargin;
  const int h = sheet_height(rows_) + 2 * kMargin;
  window_ = std::make_unique<Fl_Double_Window>(w, h + kButtonsHeight);
  window_->copy_label(title.c_str());
  callbacks_.on(window_.get(), [this] { window_->hide(); });
  new SheetView(0, 0, w, h, title, rows_);
  w_.print = new Fl_Button(w / 2 - 140, h + 6, 130, 50, "@+9fileprint");
  w_.print->color(FL_WHITE);
  w_.print->labelsize(15);
  callbacks_.on(w_.print, [this, &app, page] { print_job_sheet(app, page, rows_); });
  w_.close = new Fl_Button(w / 2 + 10, h + 6, 130, 50, "X");
  w_.close->labelcolor(FL_RED);
  w_.close->labelfont(FL_HELVETICA_BOLD_ITALIC);
  w_.close->labelsize(44);
  callbacks_.on(w_.close, [this] { window_->hide(); });
  window_->end();
}

JobSheetWindow::~JobSheetWindow() = default;

} // namespace gears
