// The one table of the calculator pages: everything the program knows about
// a page beyond its own class. Adding a page is one row here and one class.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "core/i18n/text_id.h"
#include "ui/page.h"

namespace app {

struct GroupRect {
  int x, y, w, h;
};

struct PageRow {
  ui::PageId id;
  /// The navigation button: its text (none for the fixed "1 + 2 = ?"), its
  /// top in the column, and its top and height with the Spanish texts, which
  /// make some buttons taller.
  std::optional<i18n::TextId> nav_label;
  int nav_y;
  int nav_y_spanish;
  int nav_height_spanish;
  /// The page's group in the main window.
  GroupRect group;
  /// When the page takes the settings: lower first, because later pages
  /// read what earlier ones set.
  int settings_rank;
  std::unique_ptr<ui::Page> (*create)(ui::PageContext& context);
};

/// Every page, in page-number order (row i is page i + 1).
const std::vector<PageRow>& page_table();

/// The row of a page.
const PageRow& page_row(ui::PageId id);

/// The number of pages.
inline int page_count() { return static_cast<int>(page_table().size()); }

} // namespace app
