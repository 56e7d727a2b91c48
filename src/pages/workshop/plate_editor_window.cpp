// The hole-plate editor and its new-plate dialog.
#include "pages/workshop/plate_editor_window.h"
#include "ui/look.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Double_Window.H>

#include <cerrno>
#include <cstdlib>

#include "core/i18n/common_texts.h"
#include "core/workshop/workshop_texts.h"
#include "ui/checked_fields.h"
#include "ui/checked_input.h"
#include "ui/field_io.h"
#include "ui/page_context.h"
#include "ui/page_widgets.h"

namespace workshop {

namespace {

void set_label(Fl_Widget* widget, const char* text) { widget->copy_label(text ? text : ""); }

Fl_Check_Browser* plate_list(int x, int y, const char* label) {
  auto* list = new Fl_Check_Browser(x, y, 100, 475);
  set_label(list, label);
  list->align(FL_ALIGN_TOP);
  list->box(FL_GTK_DOWN_BOX);
  list->when(FL_WHEN_CHANGED);
  return list;
}

Fl_Button* arrow_button(int y, const char* symbol) {
  auto* button = new Fl_Button(173, y, 100, 36, symbol);
  button->labelsize(17);
  button->deactivate();
  return button;
}

// The whole number in the field; anything else (or too large) gives -1.
long field_number(const Fl_Input* field) {
  const std::string number = ui::field_number_text(field);
  const char* text = number.c_str();
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(text, &end, 10);
  if (end == text || errno == ERANGE)
    return -1;
  return n;
}

} // namespace

NewPlateDialog::NewPlateDialog() = default;
NewPlateDialog::~NewPlateDialog() = default;

std::unique_ptr<NewPlateDialog> build_new_plate_dialog(ui::PageContext& context) {
  auto dialog = std::make_unique<NewPlateDialog>();
  dialog->window = std::make_unique<Fl_Double_Window>(420, 105);
  set_label(dialog->window.get(), context.lang(texts::kNewPlateTitle));
  dialog->window->color(ui::kPageBackground);
  dialog->window->set_modal();
  auto* icon = new Fl_Box(10, 17, 50, 50, "?");
  icon->box(FL_THIN_UP_BOX);
  icon->color(FL_WHITE);
  icon->labelfont(FL_TIMES_BOLD);
  icon->labelsize(34);
  icon->labelcolor(216);
  auto* prompt = new Fl_Box(74, 10, 178, 25);
  set_label(prompt, context.lang(texts::kNewPlatePrompt));
  prompt->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  dialog->number = new CheckedInput(75, 43, 288, 25);
  dialog->number->type(FL_INT_INPUT);
  dialog->number->box(FL_GTK_DOWN_BOX);
  // The right-click menu runs the field's callback; there is nothing to recompute.
  dialog->number->callback([](Fl_Widget*, void*) {});
  context.checked_fields().add(dialog->number);
  dialog->ok = new Fl_Button(240, 74, 79, 25);
  set_label(dialog->ok, context.lang(texts::kOk));
  dialog->ok->shortcut(FL_Enter);
  dialog->cancel = new Fl_Button(330, 74, 80, 25);
  set_label(dialog->cancel, context.lang(texts::kCancel));
  dialog->window->end();
  return dialog;
}

PlateEditor::PlateEditor(ui::PageContext& context) : context_(context) {
  window_ = std::make_unique<Fl_Double_Window>(445, 540);
  set_label(window_.get(), context.lang(texts::kHolePlatesTitle));
  window_->color(ui::kPageBackground);
  window_->set_modal();
  callbacks_.on(window_.get(), [this] { close(); });
  new Fl_Box(FL_GTK_UP_FRAME, 18, 11, 143, 520, nullptr);
  new Fl_Box(FL_GTK_UP_FRAME, 284, 11, 143, 520, nullptr);
  w_.head_list = plate_list(39, 50, context.lang(texts::kHeadPlatesList));
  callbacks_.on(w_.head_list, [this] { update_buttons(); });
  w_.catalogue_list = plate_list(306, 50, context.lang(texts::kCataloguePlatesList));
  callbacks_.on(w_.catalogue_list, [this] { update_buttons(); });
  w_.remove = arrow_button(45, "@+9->");
  callbacks_.on(w_.remove, [this] { remove_chosen(); });
  w_.add = arrow_button(87, "@+9<-");
  callbacks_.on(w_.add, [this] { add_chosen(); });
  w_.new_plate_button = new Fl_Button(173, 266, 100, 100);
  set_label(w_.new_plate_button, context.lang(texts::kNewPlateButton));
  w_.new_plate_button->align(FL_ALIGN_WRAP | FL_ALIGN_INSIDE);
  callbacks_.on(w_.new_plate_button, [this] { run_new_plate_dialog(); });
  w_.close = ui::close_button({173, 483, 100, 48}, 47);
  callbacks_.on(w_.close, [this] { close(); });
  window_->end();
}

PlateEditor::~PlateEditor() { end_new_plate_dialog(); }

void PlateEditor::update_buttons() {
  if (w_.head_list->nchecked() > 0)
    w_.remove->activate();
  else
    w_.remove->deactivate();
  if (w_.catalogue_list->nchecked() > 0)
    w_.add->activate();
  else
    w_.add->deactivate();
}

void PlateEditor::remove_chosen() {
  if (on_remove)
    on_remove();
  w_.remove->deactivate();
}

void PlateEditor::add_chosen() {
  if (on_add)
    on_add();
  w_.add->deactivate();
}

void PlateEditor::close() {
  window_->hide();
  if (on_close)
    on_close();
}

void PlateEditor::run_new_plate_dialog() {
  if (dialog_)
    return;
  window_->deactivate();
  dialog_ = build_new_plate_dialog(context_);
  callbacks_.on(dialog_->ok, [this] { confirm_new_plate(); });
  callbacks_.on(dialog_->cancel, [this] { cancel_new_plate(); });
  callbacks_.on(dialog_->window.get(), [this] { cancel_new_plate(); });
  dialog_->number->value("12");
  dialog_->window->show();
  dialog_->number->take_focus();
  dialog_->number->position(0, dialog_->number->size());
  // The same loop as the program's, right-click menu included, until the
  // dialog is hidden by one of its buttons.
  while (dialog_->window->shown())
    Fl::wait();
  end_new_plate_dialog();
  window_->activate();
}

void PlateEditor::confirm_new_plate() {
  dialog_->window->hide();
  window_->activate();
  const long holes = field_number(dialog_->number);
  if (holes >= kNewPlateFewestHoles && holes <= kNewPlateMostHoles && on_new_plate)
    on_new_plate(static_cast<int>(holes));
}

void PlateEditor::cancel_new_plate() {
  dialog_->window->hide();
  window_->activate();
}

void PlateEditor::end_new_plate_dialog() {
  if (!dialog_)
    return;
  context_.checked_fields().remove(dialog_->number);
  dialog_.reset();
}

} // namespace workshop
