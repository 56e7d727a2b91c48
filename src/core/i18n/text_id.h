// A string-table entry by name: the texts headers give each entry the code
// uses a name, so no lookup is written as a bare number.
#pragma once

namespace i18n {

struct TextId {
  int entry;
};

constexpr bool operator==(TextId a, TextId b) { return a.entry == b.entry; }
constexpr bool operator!=(TextId a, TextId b) { return a.entry != b.entry; }

/// No text: a reason line or caption left empty. Entry 0 names a page and
/// is never one of these.
inline constexpr TextId kNoText{0};

/// The entry `n` places after `first`, for texts kept in consecutive entries.
constexpr TextId operator+(TextId first, int n) { return {first.entry + n}; }

} // namespace i18n
