// The dividing-head page: widgets, the head and plate operations on the
// settings file, the search, the table print and its State.ini key.
#include "pages/workshop/dividing_head_page.h"
#include "core/i18n/common_texts.h"
#include "core/workshop/workshop_texts.h"
#include "ui/look.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include "ui/number_input.h"
#include <FL/fl_draw.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <climits>
#include <new>

#include "ui/page_context.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/page_widgets.h"
#include "pages/workshop/plate_editor_window.h"
#include "ui/state_keys.h"
#include "core/workshop/dividing_head_calc.h"
#include "core/workshop/dividing_head_form.h"
#include "pages/workshop/dividing_head_print.h"
#include "core/workshop/differential_indexing_calc.h"
#include "pages/workshop/indexing_window.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_model.h"

namespace workshop {

namespace {

constexpr numeric::RangeRule kDivisionsRule = numeric::any_whole_number();
constexpr long kTableFirstDefault = 2;
constexpr const char* kTableLastDefault = "200";

// The result list, and the room its lower end gives to the differential button.
constexpr int kListX = 418, kListY = 208, kListW = 199, kListH = 183;
constexpr int kDifferentialButtonH = 30;

void set_label(Fl_Widget* widget, const char* text) { widget->copy_label(text ? text : ""); }

std::string text_of(const ui::PageContext& app, i18n::TextId entry) {
  const char* text = app.lang(entry);
  return text ? text : "";
}

void set_active(Fl_Widget* widget, bool active) {
  if (active)
    widget->activate();
  else
    widget->deactivate();
}

Fl_Box* note(int x, int y, int w, int h, const char* text) {
  auto* box = new Fl_Box(x, y, w, h);
  set_label(box, text);
  box->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT);
  box->labelsize(12);
  return box;
}

// A read-only list of plain lines ('@' at the start of a line is text, not a format).
Fl_Browser* line_list(int x, int y, int w, int h) {
  auto* list = new Fl_Browser(x, y, w, h);
  list->box(FL_GTK_DOWN_BOX);
  list->format_char(0);
  return list;
}

ui::NumberInput* range_input(const ui::PageContext& app, int x, const char* label,
                             const char* text) {
  auto* field = new ui::NumberInput(x, 366, 45, 25);
  field->type(FL_INT_INPUT);
  field->speak_with(app);
  set_label(field, label);
  field->align(FL_ALIGN_TOP);
  field->box(FL_GTK_DOWN_BOX);
  field->when(FL_WHEN_CHANGED);
  field->maximum_size(ui::kNumberTextSize);
  field->value(text);
  return field;
}

// A menu draws "&x" as an underlined x; a head name is shown as it is written.
std::string menu_label(const std::string& name) {
  std::string label;
  for (char c : name) {
    if (c == '&')
      label += '&';
    label += c;
  }
  return label;
}

void fill_list(Fl_Browser* list, const std::vector<int>& plates) {
  list->clear();
  for (int n : plates)
    list->add(std::to_string(n).c_str());
}

void fill_list(Fl_Check_Browser* list, const std::vector<int>& plates) {
  list->clear();
  for (int n : plates)
    list->add(std::to_string(n).c_str());
}

std::vector<int> checked_plates(const Fl_Check_Browser* list) {
  std::vector<int> plates;
  for (int line = 1; line <= list->nitems(); ++line) {
    if (!list->checked(line))
      continue;
    if (std::optional<int> n = settings::parse_plate(list->text(line)))
      plates.push_back(*n);
  }
  return plates;
}

} // namespace

// ---- building ----

DividingHeadPage::DividingHeadPage(ui::PageContext& app) : Page(app, ui::PageId::kDividingHead) {}
DividingHeadPage::~DividingHeadPage() = default;

void DividingHeadPage::build(Fl_Group& group) {
  (void)group;
  build_plates();
  build_search();
  build_table_print();
  wire_plate_editor();
  w_.other_ways = new Fl_Button(648, 60, 155, 70);
  set_label(w_.other_ways, context_.lang(texts::kOtherWaysButton));
  w_.other_ways->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  on(w_.other_ways, [this] { open_other_ways(); });
  // The window lives as long as the page; its fields are the page's state.
  indexing_ = ui::top_level<IndexingWindow>(
      context_,
      [this] {
        return DividingHead{head_, ratio_, head_plates_, head_gears_};
      },
      [this](const std::vector<int>& gears) { store_gears(gears); });
  state_.text("div_number_divisions", w_.divisions);
  state_.texts({{"div_angle", indexing_->widgets().angle},
                {"div_differential", indexing_->widgets().divisions}});
}

void DividingHeadPage::build_plates() {
  new Fl_Box(FL_GTK_UP_FRAME, 165, 16, 143, 573, nullptr);
  w_.plates = line_list(187, 54, 98, 464);
  set_label(w_.plates, context_.lang(texts::kHeadPlatesLabel));
  w_.plates->align(FL_ALIGN_TOP);
  w_.edit_plates = new Fl_Button(171, 524, 132, 59);
  set_label(w_.edit_plates, context_.lang(texts::kEditPlates));
  w_.edit_plates->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  on(w_.edit_plates, [this] { edit_plates(); });
}

void DividingHeadPage::build_search() {
  w_.head = new Fl_Choice(411, 40, 208, 25);
  set_label(w_.head, context_.lang(texts::kDividingHeadWord));
  w_.head->align(FL_ALIGN_TOP);
  w_.head->labelcolor(ui::kCaptionBlue);
  w_.head->down_box(FL_BORDER_BOX);
  on(w_.head, [this] { select_head(); });

  w_.divisions = ui::make_checked_input(context_, kDivisionsRule, 547, 78, 40, 25);
  set_label(w_.divisions, context_.lang(texts::kDivisionsLabel));
  w_.divisions->on_valid([this] { divisions_changed(); });

  w_.calculate = new ui::EnterButton(410, 117, 210, 48);
  set_label(w_.calculate, context_.lang(texts::kCalculateDivisions));
  on(w_.calculate, [this] { search(); });
  w_.calculate->deactivate();

  constexpr int kHeaderX[3] = {406, 480, 555};
  constexpr int kHeaderW[3] = {73, 73, 72};
  constexpr i18n::TextId kHeaders[3] = {texts::kHoleCircle, texts::kWholeTurns, texts::kHoles};
  for (int i = 0; i < 3; ++i)
    set_label(new Fl_Box(kHeaderX[i], 173, kHeaderW[i], 21), context_.lang(kHeaders[i]));
  new Fl_Box(FL_GTK_DOWN_FRAME, 406, 195, 222, 212, nullptr);
  w_.results = line_list(kListX, kListY, kListW, kListH);
  // The settings are centred in columns that end where their headers end, in
  // the page's own text size; the lines themselves say how ("@c", "@."). The
  // first column widens when the whole-turn text needs it.
  fl_font(w_.results->textfont(), w_.results->textsize());
  const int whole_turns =
      static_cast<int>(fl_width(text_of(context_, texts::kWholeTurnMark).c_str())) + 8;
  result_columns_[0] = std::max(kHeaderX[1] - kListX - Fl::box_dx(FL_GTK_DOWN_BOX), whole_turns);
  result_columns_[1] = kHeaderX[2] - kHeaderX[1];
  w_.results->format_char('@');
  w_.results->column_char('\t');
  w_.results->column_widths(result_columns_);
  w_.differential =
      new Fl_Button(kListX, kListY + kListH - kDifferentialButtonH, kListW, kDifferentialButtonH);
  set_label(w_.differential, context_.lang(texts::kDifferentialButton));
  on(w_.differential, [this] { open_differential(); });
  w_.differential->hide();

  new Fl_Box(FL_GTK_DOWN_FRAME, 402, 428, 230, 147, nullptr);
  note(406, 432, 222, 69, context_.lang(texts::kDividingHeadNote));
  note(407, 502, 221, 69, context_.lang(texts::kDividingHeadNote2))->labelcolor(ui::kCaptionBlue);
}

void DividingHeadPage::build_table_print() {
  auto* panel = new Fl_Group(648, 254, 155, 230);
  panel->box(FL_GTK_DOWN_FRAME);
  note(653, 254, 146, 61, context_.lang(texts::kTableNote));
  auto* range = new Fl_Group(660, 341, 130, 61);
  set_label(range, context_.lang(texts::kDivisionsWord));
  range->align(FL_ALIGN_TOP);
  w_.from = range_input(context_, 675, context_.lang(texts::kTableFrom), "2");
  // Also called back when the user is done with it, to apply its floor then.
  w_.from->when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED | FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
  on(w_.from, [this] {
    from_changed();
    w_.calculate->press_if_enter();
  });
  w_.to = range_input(context_, 729, context_.lang(texts::kTableTo), kTableLastDefault);
  on(w_.to, [this] { to_changed(); });
  range->end();
  w_.print = new Fl_Button(688, 408, 74, 64, "@+9fileprint");
  w_.print->labelsize(29);
  on(w_.print, [this] { print_table(); });
  panel->end();
}

void DividingHeadPage::wire_plate_editor() {
  plate_editor_ = ui::top_level<PlateEditor>(context_);
  PlateEditor* editor = plate_editor_.get();
  editor->on_add = [this] { change_plates(true); };
  editor->on_remove = [this] { change_plates(false); };
  editor->on_new_plate = [this](int holes) { add_new_plate(holes); };
  editor->on_close = [this] { w_.edit_plates->activate(); };
}

// ---- the head and its plates (the settings file) ----

void DividingHeadPage::apply_settings() {
  const std::string last = settings::read_settings_values(context_.settings()).last_head;
  head_names_ = settings::head_display_names(context_.settings());
  // The items are set as an array, not added by path: add() would take a
  // name such as "3/4 turn" apart and merge two heads of the same name.
  w_.head->clear();
  head_labels_.clear();
  for (const std::string& name : head_names_)
    head_labels_.push_back(menu_label(name));
  std::vector<Fl_Menu_Item> items(head_labels_.size() + 1, Fl_Menu_Item());
  for (std::size_t i = 0; i < head_labels_.size(); ++i)
    items[i].label(head_labels_[i].c_str());
  w_.head->copy(items.data());
  for (std::size_t i = 0; i < head_names_.size(); ++i) {
    if (head_names_[i] == last) {
      w_.head->value(static_cast<int>(i));
      break;
    }
  }
  load_plate_lists(last);
}

void DividingHeadPage::select_head() {
  const int index = w_.head->value();
  if (index < 0 || static_cast<std::size_t>(index) >= head_names_.size())
    return;
  const std::string& name = head_names_[static_cast<std::size_t>(index)];
  context_.change_settings(
      [&name](settings::IniDocument& doc) { return settings::select_head(doc, name); });
  load_plate_lists(name);
}

void DividingHeadPage::load_plate_lists(const std::string& head) {
  const settings::IniDocument& doc = context_.settings();
  DividingHead named = head_named(doc, head);
  head_ = named.name;
  ratio_ = named.ratio;
  head_plates_ = std::move(named.circles);
  head_gears_ = std::move(named.gears);
  // A file without the catalogue still gives the head its plates; ending the
  // program would only end it again at every start.
  free_plates_ = settings::free_plates(doc, head).value_or(std::vector<int>());
  fill_list(w_.plates, head_plates_);
  // Another head, or other circles: no list may keep the answer for the old ones.
  if (indexing_) {
    indexing_->compute_angle();
    indexing_->compute_differential();
  }
  if (w_.divisions)
    recompute();
  if (PlateEditor* editor = plate_editor_.get()) {
    fill_list(editor->widgets().head_list, head_plates_);
    fill_list(editor->widgets().catalogue_list, free_plates_);
    editor->update_buttons();
  }
}

void DividingHeadPage::change_plates(bool add) {
  PlateEditor* editor = plate_editor_.get();
  const std::vector<int> plates =
      checked_plates(add ? editor->widgets().catalogue_list : editor->widgets().head_list);
  if (plates.empty())
    return;
  const bool changed = context_.change_settings([&](settings::IniDocument& doc) {
    return add ? settings::add_plates_to_head(doc, head_, plates)
               : settings::remove_plates_from_head(doc, head_, plates);
  });
  if (changed)
    load_plate_lists(head_);
}

void DividingHeadPage::add_new_plate(int holes) {
  if (context_.change_settings([holes](settings::IniDocument& doc) {
        return settings::add_catalogue_plate(doc, holes);
      }))
    load_plate_lists(head_);
}

void DividingHeadPage::store_gears(const std::vector<int>& gears) {
  if (!context_.change_settings(
          [&](settings::IniDocument& doc) { return settings::set_head_gears(doc, head_, gears); }))
    return;
  head_gears_ = gears;
  recompute(); // the gears decide whether differential indexing can
}

void DividingHeadPage::open_other_ways() { indexing_->show(page_window()); }

void DividingHeadPage::open_differential() {
  indexing_->show_differential(differential_divisions_, page_window());
}

void DividingHeadPage::edit_plates() {
  w_.edit_plates->deactivate();
  plate_editor_->window()->show();
}

// ---- the search ----

// The search is a few dozen circles and a small table of gear trains: cheap
// enough to follow every key.
void DividingHeadPage::divisions_changed() { recompute(); }

void DividingHeadPage::search() { recompute(); }

void DividingHeadPage::recompute() {
  const DividingHeadTexts texts{
      {text_of(context_, texts::kWholeTurnMark), text_of(context_, texts::kNoCircleWorks),
       text_of(context_, texts::kOtherCircles), text_of(context_, texts::kOtherCircles2)},
      text_of(context_, texts::kDifferentialCan),
      text_of(context_, texts::kDifferentialForA),
      text_of(context_, texts::kHeadWithoutRatio),
      text_of(context_, texts::kNameHeadWithRatio)};
  const DividingHeadForm form = dividing_head_form(
      {w_.divisions->number_text(), ratio_, head_plates_, free_plates_, head_gears_}, texts);
  set_active(w_.calculate, form.calculate);
  w_.results->clear();
  for (const std::string& line : form.lines)
    w_.results->add(line.c_str());
  differential_divisions_ = form.differential;
  const bool pointer = form.differential != 0;
  w_.results->size(kListW, pointer ? kListH - kDifferentialButtonH - 4 : kListH);
  ui::show_if(w_.differential, pointer); // draws the list's place again too
}

// ---- the table print ----

// What the From field will hold once its floor is applied.
long DividingHeadPage::table_from() const {
  return std::max(ui::field_long(w_.from), kTableFirstDefault);
}
long DividingHeadPage::table_to() const { return ui::field_long(w_.to); }

void DividingHeadPage::from_changed() {
  // The floor waits until the user is done, so that "15" can be typed.
  if (!ui::still_typing())
    apply_from_floor();
  set_active(w_.print, table_from() < table_to());
}

void DividingHeadPage::apply_from_floor() {
  if (ui::field_long(w_.from) < kTableFirstDefault) {
    w_.from->value(std::to_string(kTableFirstDefault).c_str());
    w_.from->position(w_.from->size());
  }
}

void DividingHeadPage::to_changed() { set_active(w_.print, table_to() > table_from()); }

void DividingHeadPage::print_table() {
  apply_from_floor();
  std::vector<DivisionRow> rows;
  try {
    rows = division_table_with_differential(ratio_, head_plates_, head_gears_, table_from(),
                                            table_to(), differential_words(context_),
                                            text_of(context_, texts::kNoHeadGearServes));
  } catch (const std::bad_alloc&) {
    context_.fatal_error(
        context_.lang_or(texts::kMemoryError, "A memory error has occurred, aborting program."));
  }
  print_division_table(context_, division_table_texts(context_, head_, ratio_), rows);
}

// ---- life cycle ----

Fl_Input* DividingHeadPage::focus_input() { return w_.divisions; }

void DividingHeadPage::restored() {
  indexing_->compute_angle();
  indexing_->compute_differential();
  recompute(); // the page reopens with its list
}

} // namespace workshop
