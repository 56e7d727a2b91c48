// Installs the language's print-dialog texts into Fl_Printer.
#include "ui/print_strings.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Printer.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/i18n/string_table.h"
#include "ui/print_job.h"

namespace ui {

namespace {

constexpr int kSelectionSlot = 19;
constexpr int kCollateSlot = 20;

// The toolkit's text each slot replaces; "selection" and "collate" have no
// variable in this toolkit version and are found in the open dialog.
std::array<const char**, i18n::kPrintStringCount> toolkit_texts() {
  return {&Fl_Printer::dialog_title,
          &Fl_Printer::dialog_printer,
          &Fl_Printer::dialog_range,
          &Fl_Printer::dialog_copies,
          &Fl_Printer::dialog_all,
          &Fl_Printer::dialog_pages,
          &Fl_Printer::dialog_from,
          &Fl_Printer::dialog_to,
          &Fl_Printer::dialog_properties,
          &Fl_Printer::dialog_copyNo,
          &Fl_Printer::dialog_print_button,
          &Fl_Printer::dialog_cancel_button,
          &Fl_Printer::dialog_print_to_file,
          &Fl_Printer::property_title,
          &Fl_Printer::property_pagesize,
          &Fl_Printer::property_mode,
          &Fl_Printer::property_use,
          &Fl_Printer::property_save,
          &Fl_Printer::property_cancel,
          nullptr,
          nullptr};
}

// The toolkit builds its print dialog once and keeps pointing at the texts
// it was first given, so each slot's text is rewritten in one place for the
// whole run. Only a text too long for its place gets a new one; the old
// places stay alive (a dialog may still point at them) and are relabelled.
class SlotText {
public:
  const char* put(const std::string& text) {
    if (text.size() + 1 > capacity_) {
      capacity_ = std::max<std::size_t>(128, text.size() + 1);
      places_.push_back(std::make_unique<char[]>(capacity_));
    }
    std::memcpy(places_.back().get(), text.c_str(), text.size() + 1);
    return current();
  }
  const char* current() const { return places_.empty() ? nullptr : places_.back().get(); }
  bool is_old_place(const char* label) const {
    return std::any_of(places_.begin(), places_.end(),
                       [label](const auto& place) { return place.get() == label; }) &&
           label != current();
  }

private:
  std::vector<std::unique_ptr<char[]>> places_;
  std::size_t capacity_ = 0;
};

std::array<SlotText, i18n::kPrintStringCount>& slot_texts() {
  static std::array<SlotText, i18n::kPrintStringCount> texts;
  return texts;
}

// The toolkit's English wording of each slot, for texts a language lacks.
const std::array<std::string, i18n::kPrintStringCount>& toolkit_wording() {
  static const std::array<std::string, i18n::kPrintStringCount> wording = [] {
    std::array<std::string, i18n::kPrintStringCount> english;
    const auto texts = toolkit_texts();
    for (std::size_t slot = 0; slot < texts.size(); ++slot)
      english[slot] = texts[slot] && *texts[slot] ? *texts[slot] : "";
    english[kSelectionSlot] = "Selection";
    english[kCollateSlot] = "Collate";
    return english;
  }();
  return wording;
}

// The slot a label of the open dialog shows, or -1 when it is none of ours.
int slot_of(const char* label) {
  auto& texts = slot_texts();
  for (std::size_t slot = 0; slot < texts.size(); ++slot)
    if (texts[slot].is_old_place(label))
      return static_cast<int>(slot);
  for (int slot : {kSelectionSlot, kCollateSlot})
    if (label != texts[static_cast<std::size_t>(slot)].current() &&
        toolkit_wording()[static_cast<std::size_t>(slot)] == label)
      return slot;
  return -1;
}

void relabel(Fl_Widget& widget) {
  if (const char* label = widget.label()) {
    const int slot = slot_of(label);
    if (slot >= 0)
      widget.label(slot_texts()[static_cast<std::size_t>(slot)].current());
  }
  if (Fl_Group* group = widget.as_group())
    for (int i = 0; i < group->children(); ++i)
      relabel(*group->child(i));
}

// A job started without a page count shows "To: 0" in the dialog's range:
// it gets the count the caller offers instead, once.
struct OfferedPages {
  int pages = 1;
  bool shown = false;
};

void offer_pages(Fl_Widget& widget, OfferedPages& offer) {
  auto* field = dynamic_cast<Fl_Input*>(&widget);
  if (field && field->label() && std::strcmp(field->label(), Fl_Printer::dialog_to) == 0) {
    field->value(std::to_string(offer.pages).c_str());
    offer.shown = true;
  }
  if (Fl_Group* group = widget.as_group())
    for (int i = 0; i < group->children(); ++i)
      offer_pages(*group->child(i), offer);
}

// Runs between the events of the open (modal) dialog, before it is drawn.
void relabel_open_dialog(void* data) {
  Fl_Window* dialog = Fl::modal();
  if (!dialog)
    return;
  relabel(*dialog);
  auto& offer = *static_cast<OfferedPages*>(data);
  if (!offer.shown)
    offer_pages(*dialog, offer);
}

} // namespace

void install_print_dialog_strings(const i18n::StringTable& strings) {
  const auto texts = toolkit_texts();
  const auto& english = toolkit_wording();
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    const std::string& text = strings.print_string(static_cast<int>(slot));
    const char* place = slot_texts()[slot].put(text.empty() ? english[slot] : text);
    if (texts[slot])
      *texts[slot] = place;
  }
}

int start_print_job(Fl_Printer& printer, int pages, const i18n::StringTable& strings) {
  install_print_dialog_strings(strings);
  OfferedPages offer{pages};
  Fl::add_check(relabel_open_dialog, &offer);
  const int cancelled = printer.start_job(kPagesCountedAtEnd);
  Fl::remove_check(relabel_open_dialog, &offer);
  return cancelled;
}

} // namespace ui
