// Putting one program's settings changes over the file another may have changed.
#include "core/settings/settings_merge.h"

#include <string>
#include <vector>

namespace settings {

namespace {

// Keys that only make sense together: the ratio belongs to the head chosen.
const std::vector<std::vector<std::pair<std::string, std::string>>> kLinkedKeys = {
    {{".", "last"}, {".", "ratio"}}};

// Looked up by section and key, not by "section:key": a section name may hold ':'.
const std::string* value_of(const IniDocument& doc, const std::string& section,
                            const std::string& key) {
  for (const IniDocument::Entry& entry : doc.section_entries(section))
    if (entry.key == key)
      return &entry.value;
  return nullptr;
}

bool changed(const IniDocument& before, const IniDocument& after, const std::string& section,
             const std::string& key) {
  const std::string* old_value = value_of(before, section, key);
  const std::string* new_value = value_of(after, section, key);
  if (!old_value || !new_value)
    return old_value != new_value;
  return *old_value != *new_value;
}

void put(IniDocument& file, const std::string& section, const IniDocument::Entry& entry) {
  file.add_section(section);
  file.set(section + ":" + entry.key, entry.value);
}

} // namespace

void apply_changes(const IniDocument& before, const IniDocument& after, IniDocument& file) {
  for (const std::string& section : after.section_names()) {
    const auto& entries = after.section_entries(section);
    bool section_changed = false;
    for (const IniDocument::Entry& entry : entries)
      section_changed = section_changed || changed(before, after, section, entry.key);
    const bool whole = section_changed && !file.has_section(section);
    for (const IniDocument::Entry& entry : entries)
      if (whole || changed(before, after, section, entry.key))
        put(file, section, entry);
  }
  for (const std::string& section : before.section_names())
    for (const IniDocument::Entry& entry : before.section_entries(section))
      if (!value_of(after, section, entry.key))
        file.unset_in_section(section, entry.key);
  for (const auto& group : kLinkedKeys) {
    bool any = false;
    for (const auto& [section, key] : group)
      any = any || changed(before, after, section, key);
    for (const auto& [section, key] : group)
      if (const std::string* value = value_of(after, section, key); any && value)
        put(file, section, {key, *value});
  }
}

} // namespace settings
