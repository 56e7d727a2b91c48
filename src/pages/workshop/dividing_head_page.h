// The dividing head. The user picks a head (its name carries the worm
// ratio), types a number of divisions and presses Calculate; the page lists
// every hole circle of the head that gives the division, with whole crank
// turns and holes, or the other known circles that would. The heads and their
// plates live in the settings file: choosing a head and editing its plates
// write the file at once. A table of a range of divisions can be printed.
#pragma once

#include <memory>

#include "ui/enter_button.h"
#include "ui/page_kit.h"

namespace workshop {

/// The widgets of the page, open to the tests.
struct DividingHeadWidgets {
  Fl_Choice* head = nullptr;
  ui::CheckedInput* divisions = nullptr;
  ui::EnterButton* calculate = nullptr;
  Fl_Browser* results = nullptr;
  Fl_Browser* plates = nullptr;
  Fl_Button* edit_plates = nullptr;
  ui::NumberInput *from = nullptr, *to = nullptr;
  Fl_Button* print = nullptr;
  Fl_Button* other_ways = nullptr; ///< opens angles and differential indexing
  /// Under the list when no circle fits but the head's change gears do:
  /// opens differential indexing for the number typed.
  Fl_Button* differential = nullptr;
};

class IndexingWindow;
class PlateEditor;

class DividingHeadPage : public ui::Page {
public:
  explicit DividingHeadPage(ui::PageContext& app);
  ~DividingHeadPage() override;

  void build(Fl_Group& group) override;
  void apply_settings() override;
  Fl_Input* focus_input() override;

  const DividingHeadWidgets& widgets() const { return w_; }
  int head_ratio() const { return ratio_; }
  const std::vector<int>& head_plates() const { return head_plates_; }
  const std::vector<int>& free_plates() const { return free_plates_; }
  const std::vector<int>& head_gears() const { return head_gears_; }
  IndexingWindow& indexing_window() { return *indexing_; }
  /// The hole-plate editor (hidden until Edit plates is pressed).
  PlateEditor* plate_editor() { return plate_editor_.get(); }

  // Handlers, as the widgets call them.
  void select_head();
  void divisions_changed();
  void search();
  void edit_plates();
  void from_changed();
  void to_changed();
  void print_table();
  void open_other_ways();
  void open_differential();

private:
  void build_search();
  void build_plates();
  void build_table_print();
  void wire_plate_editor();
  void restored() override;
  /// Fills the list, Calculate and the differential button from the number
  /// typed and the head as it is now.
  void recompute();

  /// Gives the page the ratio of ".:ratio" and fills both plate lists of the
  /// head, and the editor's catalogue list.
  void load_plate_lists(const std::string& head);
  /// Adds the plates checked in the catalogue to the head, or takes those
  /// checked in the head's list away.
  void change_plates(bool add);
  void add_new_plate(int holes);
  void store_gears(const std::vector<int>& gears);

  void apply_from_floor();
  long table_from() const;
  long table_to() const;

  DividingHeadWidgets w_;
  std::vector<std::string> head_names_;  ///< the choice's items, in order
  std::vector<std::string> head_labels_; ///< their menu texts, which the choice points at
  std::string head_;                     ///< the head whose plates are shown
  int ratio_ = 0;
  std::vector<int> head_plates_;
  std::vector<int> free_plates_;
  std::vector<int> head_gears_; ///< change gears for differential indexing
  std::unique_ptr<IndexingWindow> indexing_;
  std::unique_ptr<PlateEditor> plate_editor_;
  long differential_divisions_ = 0; ///< what the differential button opens with
  int result_columns_[3] = {};      ///< the result list's column widths, which it points at
};

} // namespace workshop
