// The printed indexing table: bordered white cells, a header row on each
// block, the division count in a cell as tall as its settings.
#include "pages/workshop/dividing_head_print.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Paged_Device.H>
#include <FL/fl_draw.H>

#include <array>

#include "core/i18n/common_texts.h"
#include "core/i18n/format_check.h"
#include "core/workshop/workshop_texts.h"
#include "ui/page_context.h"
#include "ui/print_job.h"

namespace workshop {

namespace {

struct Column {
  int offset; ///< from the middle of the printable width
  int width;
};

// Left block, then right block; four columns each: N, circle, turns, holes.
constexpr std::array<std::array<Column, 4>, 2> kColumns = {{
    {{{-263, 79}, {-184, 68}, {-117, 61}, {-57, 61}}},
    {{{5, 79}, {84, 68}, {151, 61}, {211, 61}}},
}};

constexpr int kTextBaseLine = 14;
/// The heading's band; the blocks start below it as they would at the top.
constexpr int kHeadingHeight = 24;
/// A longer table is printed only when the user says so.
constexpr int kPagesWithoutAsking = 10;

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

void cell(int x, int y, int w, int h) { fl_draw_box(FL_BORDER_BOX, x, y, w, h, FL_WHITE); }

// A text centred across a cell, on the row's base line.
void centred(const std::string& text, int x, int w, int base_line) {
  const int width = static_cast<int>(fl_width(text.c_str()) + 0.5);
  fl_draw(text.c_str(), x + (w - width) / 2, base_line);
}

void draw_header(const DivisionTableTexts& texts, const std::array<Column, 4>& columns,
                 int middle) {
  const std::array<const std::string*, 4> labels = {&texts.divisions, &texts.circle, &texts.turns,
                                                    &texts.holes};
  fl_font(FL_HELVETICA, 11);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int x = middle + columns[i].offset;
    cell(x, kTableHeaderTop, columns[i].width, kTableCellHeight);
    fl_color(FL_BLACK);
    fl_draw(labels[i]->c_str(), x, kTableHeaderTop, columns[i].width, kTableCellHeight,
            FL_ALIGN_CENTER);
  }
}

void draw_row(const DivisionRow& row, int top, const DivisionTableTexts& texts,
              const std::array<Column, 4>& columns, int middle) {
  fl_font(FL_COURIER_BOLD, 11);
  const int lines = row.lines();
  const int nx = middle + columns[0].offset;
  cell(nx, top, columns[0].width, kTableCellHeight * lines);
  fl_color(FL_BLACK);
  fl_draw(std::to_string(row.divisions).c_str(), nx, top, columns[0].width,
          kTableCellHeight * lines, FL_ALIGN_CENTER);
  // A number without a simple setting: its differential setting, or why
  // there is none, in cells as wide as the three columns.
  const int note_x = middle + columns[1].offset;
  const int note_w = columns[1].width + columns[2].width + columns[3].width;
  for (std::size_t j = 0; j < row.notes.size(); ++j) {
    const int line_top = top + kTableRowStep * static_cast<int>(j);
    cell(note_x, line_top, note_w, kTableCellHeight);
    fl_color(FL_BLACK);
    fl_font(FL_HELVETICA, 8);
    fl_draw(row.notes[j].c_str(), note_x + 3, line_top + kTextBaseLine);
  }
  for (int j = 0; j < static_cast<int>(row.settings.size()); ++j) {
    const IndexingSetting& setting = row.settings[static_cast<std::size_t>(j)];
    const int line_top = top + kTableRowStep * j;
    const std::array<std::string, 3> values = {
        setting.circle == 0 ? texts.whole_turns : std::to_string(setting.circle),
        std::to_string(setting.turns), std::to_string(setting.holes)};
    for (std::size_t i = 0; i < values.size(); ++i) {
      const Column& column = columns[i + 1];
      cell(middle + column.offset, line_top, column.width, kTableCellHeight);
      fl_color(FL_BLACK);
      centred(values[i], middle + column.offset, column.width, line_top + kTextBaseLine);
    }
  }
}

} // namespace

DivisionTableTexts division_table_texts(const ui::PageContext& app, const std::string& head_name,
                                        int ratio) {
  using namespace texts;
  return {text_of(app, kDivisionsWord),
          text_of(app, kHoleCircle),
          text_of(app, kWholeTurns),
          text_of(app, kHoles),
          text_of(app, kWholeTurnMark),
          division_table_heading(text_of(app, kDividingHeadWord), head_name,
                                 text_of(app, kWormRatio), ratio)};
}

void draw_division_table(Fl_Paged_Device& device, const DivisionTableTexts& texts,
                         const std::vector<DivisionRow>& rows) {
  int width = 0, height = 0;
  if (device.printable_rect(&width, &height) != 0)
    return;
  const int middle = width / 2;
  for (const TablePage& page : layout_division_table(rows, height - kHeadingHeight)) {
    device.start_page();
    fl_color(FL_BLACK);
    fl_font(FL_HELVETICA_BOLD, 12);
    fl_draw(texts.heading.c_str(), middle + kColumns[0][0].offset, kHeadingHeight - 8);
    device.origin(0, kHeadingHeight);
    for (std::size_t b = 0; b < page.blocks.size(); ++b) {
      if (page.blocks[b].empty())
        continue;
      draw_header(texts, kColumns[b], middle);
      for (const PlacedDivision& placed : page.blocks[b])
        draw_row(rows[placed.row], placed.top, texts, kColumns[b], middle);
    }
    device.end_page();
  }
}

void print_division_table(ui::PageContext& app, const DivisionTableTexts& texts,
                          const std::vector<DivisionRow>& rows) {
  if (rows.empty())
    return;
  // Asked before the print dialog: a job once begun can't be taken back.
  int width = 0, height = 0;
  const int pages =
      ui::first_paper_area(width, height)
          ? static_cast<int>(layout_division_table(rows, height - kHeadingHeight).size())
          : 1;
  if (pages > kPagesWithoutAsking && !app.dialogs().ask_yes_no(i18n::checked_format(
                                         text_of(app, texts::kManyPagesQuestion), "d", pages)))
    return;
  ui::print_job(app, ui::PageId::kDividingHead, pages, [&](Fl_Paged_Device& device) {
    draw_division_table(device, texts, rows);
    return true;
  });
}

} // namespace workshop
