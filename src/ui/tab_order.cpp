#include "ui/tab_order.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Spinner.H>

#include <algorithm>

namespace ui {

namespace {

using Last = std::vector<const Fl_Widget*>;

/// The field that stands for a child when it is placed: the child itself,
/// or a group's first field. Null: the child holds no field.
const Fl_Widget* field_of(Fl_Widget* child) {
  // A spinner's text field and arrows are one field.
  if (dynamic_cast<Fl_Spinner*>(child))
    return child;
  if (auto* input = dynamic_cast<Fl_Input_*>(child))
    return input->readonly() ? nullptr : child;
  if (Fl_Group* group = child->as_group())
    for (int i = 0; i < group->children(); ++i)
      if (const Fl_Widget* field = field_of(group->child(i)))
        return field;
  return nullptr;
}

struct Placed {
  Fl_Widget* child;
  const Fl_Widget* field;
  bool last;
  int row = 0;
};

/// Sorts the field-holding children of `group` and puts them back into the
/// places such children held, in the new order.
void order_group(Fl_Group& group, const Last& last) {
  std::vector<Placed> placed;
  std::vector<int> places;
  for (int i = 0; i < group.children(); ++i) {
    Fl_Widget* child = group.child(i);
    if (child->as_group() && !dynamic_cast<Fl_Spinner*>(child))
      order_group(*child->as_group(), last);
    if (const Fl_Widget* field = field_of(child)) {
      const bool is_last = std::count(last.begin(), last.end(), child) > 0;
      placed.push_back({child, field, is_last});
      places.push_back(i);
    }
  }
  if (placed.size() < 2)
    return;
  // Rows: a field starts a new row when its middle lies below the bottom of
  // the current row's first field.
  std::stable_sort(placed.begin(), placed.end(),
                   [](const Placed& a, const Placed& b) { return a.field->y() < b.field->y(); });
  const Fl_Widget* row_start = placed.front().field;
  int row = 0;
  for (Placed& p : placed) {
    const int middle = p.field->y() + p.field->h() / 2;
    if (middle >= row_start->y() + row_start->h()) {
      row_start = p.field;
      ++row;
    }
    p.row = row;
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    if (a.last != b.last)
      return b.last;
    return a.row != b.row ? a.row < b.row : a.field->x() < b.field->x();
  });
  // Placing each child at its slot in turn leaves the earlier slots settled.
  std::vector<Fl_Widget*> order(static_cast<size_t>(group.children()));
  for (int i = 0; i < group.children(); ++i)
    order[static_cast<size_t>(i)] = group.child(i);
  for (size_t k = 0; k < placed.size(); ++k)
    order[static_cast<size_t>(places[k])] = placed[k].child;
  for (size_t i = 0; i < order.size(); ++i)
    if (group.child(static_cast<int>(i)) != order[i])
      group.insert(*order[i], static_cast<int>(i));
}

} // namespace

void put_fields_in_reading_order(Fl_Group& group, const Last& last) { order_group(group, last); }

} // namespace ui
