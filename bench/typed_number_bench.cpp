// Speed of reading a typed number, which every key in a number field runs:
// a plain number, the longest arithmetic a field holds (40 characters) and
// the longest text the reader takes at all (200 characters, as a hand-edited
// State.ini may bring).
#include <benchmark/benchmark.h>

#include <string>

#include "core/numeric/typed_number.h"

namespace {

void BM_ReadTypedNumber(benchmark::State& state, const std::string& text) {
  const numeric::TypedNumberRules rules{numeric::FieldUnit::kInch, true};
  for (auto _ : state)
    benchmark::DoNotOptimize(numeric::read_typed_number(text, rules));
}

std::string longest_arithmetic() {
  std::string text = "(1 1/4+3mm)*2";
  while (text.size() + 8 <= 200)
    text += "-(1/64+1";
  while (text.size() < 200)
    text += ')';
  return text;
}

} // namespace

BENCHMARK_CAPTURE(BM_ReadTypedNumber, plain, std::string("12.5"));
BENCHMARK_CAPTURE(BM_ReadTypedNumber, field_full, std::string("(1 1/4+3mm)*2-1/64+1/3-(0.5in/7+2 3/8)"));
BENCHMARK_CAPTURE(BM_ReadTypedNumber, longest, longest_arithmetic());
BENCHMARK_CAPTURE(BM_ReadTypedNumber, deepest, std::string(20, '(') + "1/3" + std::string(20, ')'));

BENCHMARK_MAIN();
