// The gauge block set editor.
#include "pages/workshop/gauge_set_window.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "core/i18n/common_texts.h"
#include "core/i18n/format_check.h"
#include "core/workshop/gauge_block_sets.h"
#include "core/workshop/workshop_texts.h"
#include "ui/dialogs.h"
#include "ui/field_io.h"
#include "ui/look.h"
#include "ui/number_input.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"
#include "ui/state_keys.h"

namespace workshop {

namespace {

/// The longest name a set may have, as the list shows it.
constexpr int kLongestName = 60;

bool name_taken(const std::vector<GaugeBlockSet>& sets, const std::string& name, int own) {
  for (const GaugeBlockSet& set : standard_gauge_sets())
    if (set.name == name)
      return true;
  for (std::size_t i = 0; i < sets.size(); ++i)
    if (static_cast<int>(i) != own && sets[i].name == name)
      return true;
  return false;
}

} // namespace

GaugeSetWindow::GaugeSetWindow(ui::PageContext& app, std::function<void()> on_change)
    : context_(app), on_change_(std::move(on_change)) {
  window_ = std::make_unique<ui::EnterWindow<Fl_Window>>(470, 520);
  window_->color(ui::kPageBackground);
  window_->copy_label(context_.lang(texts::kGaugeSetsTitle));
  callbacks_.on(window_.get(), [this] { window_->hide(); });

  w_.sets = new Fl_Hold_Browser(10, 10, 170, 400);
  callbacks_.on(w_.sets, [this] { choose(w_.sets->value() - 1); });
  w_.new_set = new Fl_Button(10, 416, 170, 28);
  w_.new_set->copy_label(context_.lang(texts::kNewGaugeSet));
  callbacks_.on(w_.new_set, [this] { new_set(); });
  w_.delete_set = new Fl_Button(10, 448, 170, 28);
  w_.delete_set->copy_label(context_.lang(texts::kDeleteGaugeSet));
  callbacks_.on(w_.delete_set, [this] { delete_set(); });

  w_.name = new Fl_Input(250, 10, 210, 26);
  w_.name->copy_label(context_.lang(texts::kGaugeSetName));
  w_.name->maximum_size(kLongestName);
  // Taken when the field is left or on Enter: a name is not stored letter by
  // letter, which could leave half of a refused one.
  w_.name->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY_ALWAYS);
  callbacks_.on(w_.name, [this] { name_changed(); });
  auto* units = new Fl_Group(250, 42, 210, 26);
  std::tie(w_.inch, w_.mm) = ui::inch_mm_buttons(context_, {252, 42, 80, 26}, {336, 42, 80, 26});
  units->end();
  callbacks_.on(w_.inch, [this] { unit_chosen(false); });
  callbacks_.on(w_.mm, [this] { unit_chosen(true); });

  w_.blocks = new Fl_Check_Browser(190, 76, 130, 354);
  w_.blocks->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE);
  callbacks_.on(w_.blocks, [this] {
    if (w_.blocks->nchecked() > 0)
      w_.remove->activate();
    else
      w_.remove->deactivate();
  });
  w_.size = new ui::NumberInput(330, 96, 130, 26);
  w_.size->speak_with(context_);
  w_.size->copy_label(context_.lang(texts::kBlockSize));
  w_.size->align(FL_ALIGN_TOP_LEFT);
  w_.count = new Fl_Spinner(330, 146, 70, 26);
  w_.count->copy_label(context_.lang(texts::kBlockCopies));
  w_.count->align(FL_ALIGN_TOP_LEFT);
  w_.count->type(FL_INT_INPUT);
  w_.count->range(1, kMostBlocksOfASize);
  w_.count->step(1);
  ui::limit_spinner_text(w_.count);
  w_.count->value(1);
  w_.count->when(FL_WHEN_CHANGED);
  ui::report_every_change(w_.count);
  w_.add = new ui::EnterButton(330, 182, 70, 34, "@+9<-");
  callbacks_.on(w_.add, [this] { add_blocks(); });
  w_.remove = new Fl_Button(330, 226, 70, 34, "@+9->");
  w_.remove->deactivate();
  callbacks_.on(w_.remove, [this] { remove_checked(); });
  w_.message = new Fl_Box(190, 438, 270, 40);
  w_.message->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_LEFT);
  w_.message->labelsize(12);
  w_.message->labelcolor(FL_RED);
  w_.close = ui::close_button({390, 482, 70, 32}, 28);
  callbacks_.on(w_.close, [this] { window_->hide(); });
  window_->end();
  window_->set_modal();
}

GaugeSetWindow::~GaugeSetWindow() { window_.reset(); }

void GaugeSetWindow::open(const std::string& chosen_name) {
  sets_ = user_gauge_sets(context_.settings());
  w_.sets->clear();
  chosen_ = -1;
  for (std::size_t i = 0; i < sets_.size(); ++i) {
    w_.sets->add(sets_[i].name.c_str());
    if (sets_[i].name == chosen_name)
      chosen_ = static_cast<int>(i);
  }
  if (chosen_ < 0 && !sets_.empty())
    chosen_ = 0;
  show_chosen();
  window_->show();
}

GaugeBlockSet* GaugeSetWindow::chosen() {
  return chosen_ >= 0 && static_cast<std::size_t>(chosen_) < sets_.size()
             ? &sets_[static_cast<std::size_t>(chosen_)]
             : nullptr;
}

void GaugeSetWindow::choose(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= sets_.size())
    return;
  chosen_ = index;
  show_chosen();
}

void GaugeSetWindow::show_chosen() {
  GaugeBlockSet* set = chosen();
  w_.message->copy_label("");
  w_.blocks->clear();
  w_.remove->deactivate();
  for (Fl_Widget* widget : std::initializer_list<Fl_Widget*>{
           w_.name, w_.inch, w_.mm, w_.blocks, w_.size, w_.count, w_.add, w_.delete_set})
    ui::show_and_enable_if(widget, set != nullptr);
  if (!set) {
    w_.name->value("");
    return;
  }
  w_.sets->value(chosen_ + 1);
  w_.name->value(set->name.c_str());
  ui::set_radio(set->metric ? w_.mm : w_.inch);
  // The blocks are what they are: a set's unit changes only while it is empty.
  if (!set->blocks.empty()) {
    w_.inch->deactivate();
    w_.mm->deactivate();
  }
  const std::string unit = " " + context_.lang_or(set->metric ? texts::kMmUnit : texts::kInchUnit, "");
  for (long size : set->blocks)
    w_.blocks->add((block_size_text(size, set->metric) + unit).c_str());
  w_.size->measure_in(set->metric ? numeric::FieldUnit::kMm : numeric::FieldUnit::kInch);
}

void GaugeSetWindow::new_set() {
  int number = static_cast<int>(sets_.size()) + 1;
  std::string name;
  do
    name = context_.lang_or(texts::kNewGaugeSet, "Set") + " " + std::to_string(number++);
  while (name_taken(sets_, name, -1));
  sets_.push_back({name, context_.unit_system() == 1, {}});
  w_.sets->add(name.c_str());
  chosen_ = static_cast<int>(sets_.size()) - 1;
  store();
  show_chosen();
  w_.name->take_focus();
  w_.name->position(0, w_.name->size());
}

void GaugeSetWindow::delete_set() {
  const GaugeBlockSet* set = chosen();
  if (!set)
    return;
  // Blocks typed in are work: an empty set goes without asking.
  if (!set->blocks.empty() &&
      !context_.dialogs().ask_yes_no(i18n::checked_format(
          context_.lang_or(texts::kDeleteGaugeSetQuestion, ""), "s", set->name.c_str())))
    return;
  sets_.erase(sets_.begin() + chosen_);
  w_.sets->remove(chosen_ + 1);
  chosen_ = std::min(chosen_, static_cast<int>(sets_.size()) - 1);
  store();
  show_chosen();
}

void GaugeSetWindow::name_changed() {
  GaugeBlockSet* set = chosen();
  if (!set)
    return;
  const std::string name = w_.name->value();
  if (name.find_first_not_of(' ') == std::string::npos || name_taken(sets_, name, chosen_)) {
    w_.message->copy_label(context_.lang(texts::kGaugeSetNameTaken));
    return;
  }
  w_.message->copy_label("");
  set->name = name;
  w_.sets->text(chosen_ + 1, name.c_str());
  store();
}

void GaugeSetWindow::unit_chosen(bool metric) {
  GaugeBlockSet* set = chosen();
  if (!set || !set->blocks.empty() || set->metric == metric)
    return;
  set->metric = metric;
  store();
  show_chosen();
}

void GaugeSetWindow::add_blocks() {
  GaugeBlockSet* set = chosen();
  if (!set)
    return;
  const std::optional<long> size = block_units(w_.size->number_text(), set->metric);
  const long copies = std::clamp<long>(static_cast<long>(w_.count->value()), 1, kMostBlocksOfASize);
  const long owned = size ? std::count(set->blocks.begin(), set->blocks.end(), *size) : 0;
  if (!size || set->blocks.size() + static_cast<std::size_t>(copies) > kMostBlocksInASet ||
      owned + copies > kMostBlocksOfASize) {
    w_.message->copy_label(context_.lang(texts::kBadBlockSize));
    return;
  }
  set->blocks.insert(set->blocks.end(), static_cast<std::size_t>(copies), *size);
  std::sort(set->blocks.begin(), set->blocks.end());
  w_.size->value("");
  w_.count->value(1);
  store();
  show_chosen();
  w_.size->take_focus();
}

void GaugeSetWindow::remove_checked() {
  GaugeBlockSet* set = chosen();
  if (!set)
    return;
  for (int line = w_.blocks->nitems(); line >= 1; --line)
    if (w_.blocks->checked(line))
      set->blocks.erase(set->blocks.begin() + (line - 1));
  store();
  show_chosen();
}

void GaugeSetWindow::store() {
  const std::vector<GaugeBlockSet> sets = sets_;
  context_.change_settings(
      [&sets](settings::IniDocument& doc) { return store_user_gauge_sets(doc, sets); });
  on_change_();
}

} // namespace workshop
