// The hole-list window.
#include "pages/geometry/hole_list_window.h"
#include "ui/look.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cctype>
#include <utility>

#include "ui/page_widgets.h"

namespace geometry {

namespace {

// The list draws its text this far inside its frame.
constexpr int kTextInset = 3;

Fl_Box* make_column_head(int x, const char* text) {
  auto* head = new Fl_Box(x, 9, 30, 22, text);
  head->labelfont(FL_HELVETICA_BOLD);
  head->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  return head;
}

// Where the last two words of `line` end, in characters.
std::pair<size_t, size_t> last_two_ends(const std::string& line) {
  const size_t y_end = line.find_last_not_of(' ') + 1;
  const size_t y_start = line.find_last_of(' ', y_end == 0 ? 0 : y_end - 1);
  if (y_end == 0 || y_start == std::string::npos)
    return {0, 0};
  const size_t x_end = line.find_last_not_of(' ', y_start);
  return {x_end == std::string::npos ? 0 : x_end + 1, y_end};
}

} // namespace

HoleListWindow::HoleListWindow(const char* title, std::function<void()> print,
                               std::function<void()> save) {
  window_ = std::make_unique<Fl_Double_Window>(430, 460);
  window_->copy_label(title ? title : "");
  window_->color(ui::kPageBackground);
  window_->set_modal();
  // The close box does what the close button does.
  callbacks_.on(window_.get(), [this] { close(); });

  w_.list = new Fl_Browser(21, 31, 386, 374);
  w_.list->textfont(FL_COURIER);
  // "x" and "y" stand over the ends of their columns, wherever the
  // language's word for a hole puts them.
  w_.column_heads = {make_column_head(175, "x"), make_column_head(315, "y")};
  // A language text beginning with '@' must show as it is.
  w_.list->format_char(0);

  w_.print = new Fl_Button(85, 413, 76, 40, "@+9fileprint");
  w_.print->labelsize(11);
  callbacks_.on(w_.print, std::move(print));

  w_.save = new Fl_Button(169, 413, 87, 40, "@+9filesaveas");
  w_.save->labelsize(11);
  callbacks_.on(w_.save, std::move(save));

  w_.close = ui::close_button({312, 413, 87, 40}, 40);
  callbacks_.on(w_.close, [this] { close(); });
  window_->end();
}

HoleListWindow::~HoleListWindow() = default;

void HoleListWindow::set_lines(const std::vector<std::string>& lines) {
  w_.list->clear();
  for (const std::string& line : lines)
    w_.list->add(line.c_str());
  // The last line is a hole's: its x and y columns end where its last two words do.
  const std::string last = lines.empty() ? std::string() : lines.back();
  if (last.empty() || !std::isdigit(static_cast<unsigned char>(last.back())))
    return; // no hole listed: the heads stay where they were
  const auto [x_end, y_end] = last_two_ends(last);
  fl_font(w_.list->textfont(), w_.list->textsize());
  // A browser without a box of its own is drawn in a down box.
  const Fl_Boxtype frame = w_.list->box() ? w_.list->box() : FL_DOWN_BOX;
  const int left = w_.list->x() + Fl::box_dx(frame) + kTextInset;
  const std::array<size_t, 2> ends = {x_end, y_end};
  for (size_t i = 0; i < w_.column_heads.size(); ++i) {
    const double end = left + fl_width(last.c_str(), static_cast<int>(ends[i]));
    w_.column_heads[i]->position(static_cast<int>(end + 0.5) + kTextInset - w_.column_heads[i]->w(),
                                 w_.column_heads[i]->y());
  }
  window_->redraw();
}

std::vector<std::string> HoleListWindow::lines() const {
  std::vector<std::string> out;
  for (int i = 1; i <= w_.list->size(); ++i)
    out.emplace_back(w_.list->text(i) ? w_.list->text(i) : "");
  return out;
}

void HoleListWindow::show(Fl_Window* over) {
  over_ = over;
  if (over_)
    over_->deactivate();
  window_->show();
}

void HoleListWindow::close() {
  window_->hide();
  if (over_)
    over_->activate();
}

} // namespace geometry
