// Tab goes through a group's children in the order they were made; pages
// are built by panels, not by the order a reader meets their fields. This
// puts the fields of a built page into reading order.
#pragma once

#include <vector>

class Fl_Group;
class Fl_Widget;

namespace ui {

/// Reorders the text fields of `group` and of the groups inside it so that
/// Tab visits them top to bottom by rows and left to right within a row.
/// Only fields (and the groups that hold them) change places, among the
/// places fields held: labels, buttons and scroll bars stay where they are.
/// `last` names fields that only restate another one (a diameter beside its
/// radius); Tab reaches them after the rest of their group.
void put_fields_in_reading_order(Fl_Group& group, const std::vector<const Fl_Widget*>& last = {});

} // namespace ui
