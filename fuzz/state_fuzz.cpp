// State.ini as the pages meet it: any bytes through the file reader, then
// every key through the readers of each value kind the pages restore, then
// the values written back the way the pages save them and read again.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "core/settings/state_values.h"

using settings::IniDocument;

namespace {

// Group sizes the pages restore into: a pair, the radio groups, the choices.
constexpr int kCounts[] = {0, 2, 3, 17};

struct Spinner {
  double fallback, lowest, highest;
};
constexpr Spinner kSpinners[] = {{3, 0, 10}, {0.0001, -1, 1000}};

// What one key restores as, read the way the pages read it.
struct Restored {
  std::vector<int> indices; // per kCounts, -1 when refused
  bool check = false;
  std::vector<double> spinners; // per kSpinners
};

Restored restore(const IniDocument& state, const std::string& key) {
  Restored r;
  for (int count : kCounts) {
    const auto index = settings::read_state_index(state, key, count);
    if (index)
      FUZZ_CHECK(*index >= 0 && *index < count, "index " + std::to_string(*index) +
                                                    " outside a group of " + std::to_string(count) +
                                                    " from key '" + key + "'");
    r.indices.push_back(index.value_or(-1));
  }
  r.check = settings::read_state_check(state, key);
  for (const Spinner& s : kSpinners) {
    const double value = settings::read_state_spinner(state, key, s.fallback, s.lowest, s.highest);
    FUZZ_CHECK(std::isfinite(value) && value >= s.lowest && value <= s.highest,
               "spinner value outside its range from key '" + key + "'");
    r.spinners.push_back(value);
  }
  return r;
}

// Writes what a key restored as, as the page would save it.
void save(IniDocument& state, const std::string& key, const Restored& r, std::size_t kind) {
  switch (kind % 3) {
  case 0: {
    const int index = r.indices[kind % std::size(kCounts)];
    state.set(key, std::to_string(index));
    break;
  }
  case 1:
    state.set(key, r.check ? "1" : "0");
    break;
  default:
    state.set(key, settings::spinner_value_text(r.spinners[kind % std::size(kSpinners)]));
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzz::scratch_path("state");
  IniDocument state;
  if (!fuzz::load_bytes(path, data, size, state))
    return 0;

  // The page shown and the scroll position; then each page's keys. Missing
  // keys read as their defaults, so a few of those are asked for too.
  (void)state.get_long("page:page", 0);
  (void)state.get_long("page:scroll", 0);
  std::vector<std::string> keys;
  auto add_key = [&keys](const std::string& key) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end())
      keys.push_back(key);
  };
  for (const char* key : {"page:page", "p1:p1_know", "p17:change_gears_count"})
    add_key(key);
  for (const std::string& section : state.section_names()) {
    const int count = state.section_key_count(section);
    for (int i = 0; i < count && keys.size() < 120; ++i)
      add_key(state.section_key_at(section, i));
  }
  std::vector<Restored> restored;
  for (const std::string& key : keys) {
    (void)state.get_string(key, "fallback");
    restored.push_back(restore(state, key));
  }

  // Saved as the pages save them, every key restores the same on the next start.
  IniDocument saved = state;
  for (std::size_t i = 0; i < keys.size(); ++i)
    save(saved, keys[i], restored[i], i);
  const IniDocument again = fuzz::saved_and_reloaded(saved, path);
  fuzz::check_same_document(saved, again);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const Restored r = restore(again, keys[i]);
    switch (i % 3) {
    case 0: {
      const std::size_t c = i % std::size(kCounts);
      FUZZ_CHECK(r.indices[c] == restored[i].indices[c], "index of '" + keys[i] + "' changed");
      break;
    }
    case 1:
      FUZZ_CHECK(r.check == restored[i].check, "check mark of '" + keys[i] + "' changed");
      break;
    default: {
      // "%g" keeps six digits: the value read back is written the same again.
      const std::size_t s = i % std::size(kSpinners);
      FUZZ_CHECK(settings::spinner_value_text(r.spinners[s]) ==
                     settings::spinner_value_text(restored[i].spinners[s]),
                 "spinner of '" + keys[i] + "' changed");
    }
    }
  }
  return 0;
}
