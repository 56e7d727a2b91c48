// What iniparser 4.1 itself reads from a file, to hold our own reader against:
// both described as "a|b a:1=x b:2=y" (sections in order, then keys sorted),
// or "refused".
#pragma once

#include <iniparser/iniparser.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/settings/ini_document.h"

namespace ini_reference {

inline std::string described(const std::vector<std::string>& sections,
                             std::vector<std::string> keys) {
  std::sort(keys.begin(), keys.end());
  std::string text;
  for (const std::string& name : sections)
    text += name + "|";
  for (const std::string& key : keys)
    text += " " + key;
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

inline int silent(const char*, ...) { return 0; }

// The slots in file order: one without a value, or without ':', is a
// section; a key belongs to a section seen before it, or to none.
inline std::string described_by_iniparser(const std::string& path) {
  iniparser_set_error_callback(silent);
  dictionary* dict = iniparser_load(path.c_str());
  iniparser_set_error_callback(nullptr);
  if (!dict)
    return "refused";
  std::vector<std::string> sections, keys;
  for (ssize_t i = 0; i < dict->size; ++i) {
    const std::string key = dict->key[i] ? dict->key[i] : ":";
    const auto owns = [&key](const std::string& s) { return key.rfind(s + ":", 0) == 0; };
    if (dict->key[i] && (!dict->val[i] || key.find(':') == std::string::npos)) {
      if (std::find(sections.begin(), sections.end(), key) == sections.end())
        sections.push_back(key);
    } else if (dict->key[i] && std::any_of(sections.begin(), sections.end(), owns)) {
      keys.push_back(key + "=" + dict->val[i]);
    }
  }
  iniparser_freedict(dict);
  return described(sections, keys);
}

} // namespace ini_reference
