// The checked fields of the open windows: the right-click menu offers its
// edit commands in them, and a field out of range says so once per burst of
// typing, not every time it is left.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

class Fl_Input;

namespace ui {

class CheckedFields {
public:
  void add(Fl_Input* field) { fields_.push_back(field); }
  /// Before the field is destroyed.
  void remove(Fl_Input* field) {
    fields_.erase(std::remove(fields_.begin(), fields_.end(), field), fields_.end());
  }
  void clear() { fields_.clear(); }
  const std::vector<Fl_Input*>& all() const { return fields_; }

  /// A key was typed in a checked field: its range message may be shown again.
  void typed() { message_due_ = true; }
  bool message_due() const { return message_due_; }
  /// Whether a range message is due; once asked, the next one waits for typing.
  bool take_message_due() { return std::exchange(message_due_, false); }

private:
  std::vector<Fl_Input*> fields_;
  bool message_due_ = false;
};

} // namespace ui
