// What iniparser 4.1 itself reads from a file, to hold our own reader against:
// both described as "sections a|b keys a:1=x|b:2=y" (keys sorted), or "refused".
#pragma once

#include <iniparser/iniparser.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/ini_document.h"

namespace ini_reference {

inline int silent(const char*, ...) { return 0; }

inline std::string described(const std::vector<std::string>& sections,
                             std::vector<std::string> keys) {
  std::sort(keys.begin(), keys.end());
  std::string text = "sections";
  for (const std::string& name : sections)
    text += (text.size() == 8 ? " " : "|") + name;
  text += " keys";
  for (std::size_t i = 0; i < keys.size(); ++i)
    text += (i == 0 ? " " : "|") + keys[i];
  return text;
}

inline std::string described(const settings::IniDocument& doc) {
  std::vector<std::string> keys;
  for (const std::string& name : doc.section_names()) {
    for (const auto& entry : doc.section_entries(name))
      keys.push_back(name + ":" + entry.key + "=" + entry.value);
  }
  return described(doc.section_names(), keys);
}

// The dictionary's slots in file order: a slot without a value, or without
// ':', is a section; a key belongs to a section seen before it, or to none.
inline std::string described_by_iniparser(const std::string& path) {
  iniparser_set_error_callback(silent);
  dictionary* dict = iniparser_load(path.c_str());
  iniparser_set_error_callback(nullptr);
  if (!dict)
    return "refused";
  std::vector<std::string> sections;
  std::vector<std::string> keys;
  for (ssize_t i = 0; i < dict->size; ++i) {
    if (!dict->key[i])
      continue;
    const std::string key = dict->key[i];
    if (!dict->val[i] || key.find(':') == std::string::npos) {
      if (std::find(sections.begin(), sections.end(), key) == sections.end())
        sections.push_back(key);
    } else if (std::any_of(sections.begin(), sections.end(), [&key](const std::string& s) {
                 return key.compare(0, s.size() + 1, s + ":") == 0;
               })) {
      keys.push_back(key + "=" + dict->val[i]);
    }
  }
  iniparser_freedict(dict);
  return described(sections, keys);
}

} // namespace ini_reference
