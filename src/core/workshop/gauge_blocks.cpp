#include "core/workshop/gauge_blocks.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>

namespace workshop {

const std::vector<GaugeBlockSet>& standard_gauge_sets() {
  static const std::vector<GaugeBlockSet> sets = [] {
    const auto series = [](std::vector<long>& blocks, long first, long step, long count) {
      for (long i = 0; i < count; ++i)
        blocks.push_back(first + i * step);
    };
    GaugeBlockSet inch{"81-piece inch", false, {}};
    series(inch.blocks, 10010, 10, 9);                            // 0.1001 to 0.1009 in
    series(inch.blocks, 10100, 100, 49);                          // 0.101 to 0.149
    series(inch.blocks, 5000, 5000, 19);                          // 0.050 to 0.950
    series(inch.blocks, kUnitsPerInch, kUnitsPerInch, 4);         // 1 to 4
    GaugeBlockSet metric{"112-piece metric", true, {10005}};      // 1.0005 mm
    series(metric.blocks, 10010, 10, 9);                          // 1.001 to 1.009 mm
    series(metric.blocks, 10100, 100, 49);                        // 1.01 to 1.49
    series(metric.blocks, 5000, 5000, 49);                        // 0.5 to 24.5
    series(metric.blocks, 25 * kUnitsPerMm, 25 * kUnitsPerMm, 4); // 25 to 100
    return std::vector<GaugeBlockSet>{inch, metric};
  }();
  return sets;
}

bool is_thin(long size, bool metric) {
  return size < (metric ? 2 * kUnitsPerMm : 8 * kUnitsPerInch / 100);
}

// The search is the 0/1 knapsack over sums of blocks, the least cost for each
// sum. Over every sum in units it would be slow (9.3 million for the
// 112-piece set). So sizes are counted in the set's gcd; the blocks are split
// into levels by how finely they are graded (the thin series make the last
// decimals, the long blocks the rest); each group of levels gets a table as
// long as its own sums in its own step, and the groups are joined on the
// decimals each leaves to the next.
namespace {

// Far above any stack's cost, and far enough below INT_MAX that costs added
// to it on the way through a table never overflow.
constexpr int kUnreachable = 1 << 28;
// Past these the costs and the sums would no longer fit: no set comes near.
constexpr std::size_t kMostBlocks = 4096;
constexpr long kLargestBlock = 1L << 40;
// The memory a search may hold. Only a set both very long and graded very
// finely all through needs more; it is not searched rather than hold the
// program for seconds.
constexpr double kMostBytes = 64.0 * 1024 * 1024;
// Likewise the words and sums the nearest heights may go through (some 50 ms).
constexpr double kMostNearestWork = 64.0 * 1024 * 1024;
// Rows are worked on in runs of this many entries: with the count fixed, -O2
// vectorises the loop, which it won't for a count it can't see.
constexpr std::size_t kLanes = 16;

// A block as the search sees it. A stack costs more per block than all the
// set's thin blocks together, and a thin block one more: the cheapest stack
// is the shortest, and of those the one with the fewest thin blocks.
struct Block {
  long size = 0; ///< in steps of the set (the gcd of its sizes)
  int cost = 0;
  long units = 0; ///< as the set lists it
};

struct SetInSteps {
  std::vector<Block> blocks;
  long step = 0;  ///< in units
  long total = 0; ///< in steps
};

std::optional<SetInSteps> in_steps(const GaugeBlockSet& set) {
  if (set.blocks.empty() || set.blocks.size() > kMostBlocks)
    return std::nullopt;
  SetInSteps out;
  int thin = 0;
  for (long size : set.blocks) {
    if (size <= 0 || size > kLargestBlock)
      return std::nullopt;
    out.step = std::gcd(out.step, size);
    thin += is_thin(size, set.metric) ? 1 : 0;
  }
  for (long size : set.blocks) {
    const int cost = thin + 1 + (is_thin(size, set.metric) ? 1 : 0);
    out.blocks.push_back({size / out.step, cost, size});
    out.total += size / out.step;
  }
  return out;
}

// The blocks by the coarsest step they are a whole number of, of the steps
// the gcd of the sizes takes from the largest block down: 4 in, 1 in, 0.050 in,
// 0.001 in and 0.0001 in for the 81-piece set. Each level's sums are whole
// numbers of its step; so are those of every coarser level, which is what lets
// the search take the levels one at a time. Finest first.
struct Level {
  long step = 1;
  long sum = 0;
  double sums = 1.0; ///< how many sums its blocks can make at most
  std::vector<Block> blocks;
};

std::vector<Level> levels_finest_first(std::vector<Block> blocks) {
  std::stable_sort(blocks.begin(), blocks.end(),
                   [](const Block& a, const Block& b) { return a.size > b.size; });
  std::vector<long> steps; // coarsest first
  long gcd = 0;
  for (const Block& block : blocks) {
    gcd = std::gcd(gcd, block.size);
    if (steps.empty() || steps.back() != gcd)
      steps.push_back(gcd);
  }
  std::vector<Level> levels(steps.size());
  long copies = 0;
  for (const Block& block : blocks) {
    const std::size_t k = static_cast<std::size_t>(
        std::find_if(steps.begin(), steps.end(), [&](long s) { return block.size % s == 0; }) -
        steps.begin());
    levels[k].step = steps[k];
    levels[k].sum += block.size;
    // The blocks come by size: a size held n times gives n + 1 sums.
    const bool again = !levels[k].blocks.empty() && levels[k].blocks.back().size == block.size;
    copies = again ? copies + 1 : 1;
    levels[k].sums *= again ? static_cast<double>(copies + 1) / static_cast<double>(copies) : 2.0;
    levels[k].blocks.push_back(block);
  }
  std::reverse(levels.begin(), levels.end());
  return levels;
}

std::size_t runs(std::size_t entries) { return (entries + kLanes - 1) / kLanes; }

// A row's length for sums 0 to `range`, with room for the last run to overhang.
std::size_t row_length(long range) {
  return (runs(static_cast<std::size_t>(range) + 1) + 1) * kLanes;
}

// The bits of the 8 bytes ORed together, whatever their order in memory.
std::uint64_t folded(std::uint64_t bytes) {
  bytes |= bytes >> 32;
  bytes |= bytes >> 16;
  bytes |= bytes >> 8;
  return bytes & 0xff;
}

// out[k] = the lesser of kept[k] + kept_cost and via[k] + via_cost, and in
// `taken` one bit per entry, set where the second was less.
void lesser(int* __restrict out, const int* __restrict kept, int kept_cost,
            const int* __restrict via, int via_cost, std::uint16_t* __restrict taken,
            std::size_t run_count) {
  // Each entry's flag goes to a bit of its own within its byte, so that the
  // bytes of a run ORed together give its bits without a loop over them.
  static constexpr std::uint8_t kBit[kLanes] = {1, 2, 4, 8, 16, 32, 64, 128,
                                                1, 2, 4, 8, 16, 32, 64, 128};
  for (std::size_t r = 0; r < run_count; ++r, out += kLanes, kept += kLanes, via += kLanes) {
    std::uint8_t flags[kLanes];
    for (std::size_t k = 0; k < kLanes; ++k) {
      const int keep = kept[k] + kept_cost, take = via[k] + via_cost;
      out[k] = std::min(keep, take);
      flags[k] = static_cast<std::uint8_t>(kBit[k] & -static_cast<int>(take < keep));
    }
    std::uint64_t low, high;
    std::memcpy(&low, flags, 8);
    std::memcpy(&high, flags + 8, 8);
    taken[r] = static_cast<std::uint16_t>(folded(low) | folded(high) << 8);
  }
}

void added(int* __restrict out, const int* __restrict from, int cost, std::size_t run_count) {
  for (std::size_t r = 0; r < run_count; ++r, out += kLanes, from += kLanes)
    for (std::size_t k = 0; k < kLanes; ++k)
      out[k] = from[k] + cost;
}

// For one group of blocks, the least cost of a stack for each sum of them (in
// the group's step) up to a range: the 0/1 knapsack, one block at a time, from
// one row into the next so that the entries of a row don't depend on each
// other. Left out, the sums are those of the blocks left out of the stack,
// for heights that are most of the set. Which sums took each block is kept as
// a bit each: going back through them from a sum gives its blocks.
class SumTable {
public:
  SumTable(std::vector<Block> blocks, long step, long range, bool left_out)
      : blocks_(std::move(blocks)), left_out_(left_out), range_(range) {
    const std::size_t entries = static_cast<std::size_t>(range_) + 1;
    std::size_t bit_runs = 0;
    for (const Block& block : blocks_) {
      widths_.push_back(static_cast<std::size_t>(block.size / step));
      first_run_.push_back(bit_runs);
      bit_runs += widths_.back() < entries ? runs(entries - widths_.back()) : 0;
    }
    taken_.resize(bit_runs);
    std::vector<int> row(row_length(range_), kUnreachable), next(row.size(), kUnreachable);
    row[0] = 0;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
      add_block(row.data(), next.data(), i, entries);
      row.swap(next);
    }
    last_ = std::move(row);
  }

  long range() const { return range_; }
  int cost(long sum) const { return last_[static_cast<std::size_t>(sum)]; }

  /// The group's blocks in the stack when the group gives `sum` (a reachable one).
  std::vector<Block> stack_for(long sum) const {
    std::size_t left = static_cast<std::size_t>(sum);
    std::vector<Block> stack;
    for (std::size_t i = blocks_.size(); i-- > 0;) {
      bool took = false;
      if (left >= widths_[i]) {
        const std::size_t at = left - widths_[i];
        took = (taken_[first_run_[i] + at / kLanes] >> (at % kLanes)) & 1U;
      }
      if (took)
        left -= widths_[i];
      if (took != left_out_) // left out, the sum is of the blocks not in the stack
        stack.push_back(blocks_[i]);
    }
    return stack;
  }

private:
  // Block i into the row, sums 0 to entries - 1: sum s takes the block (from
  // sum s - width) or not, whichever costs less.
  void add_block(const int* from, int* to, std::size_t i, std::size_t entries) {
    const std::size_t width = widths_[i];
    const int cost = blocks_[i].cost;
    const std::size_t below = std::min(width, entries);
    if (left_out_)
      added(to, from, cost, runs(below));
    else
      std::copy(from, from + below, to);
    if (width < entries) {
      std::uint16_t* taken = taken_.data() + first_run_[i];
      if (left_out_)
        lesser(to + width, from + width, cost, from, 0, taken, runs(entries - width));
      else
        lesser(to + width, from + width, 0, from, cost, taken, runs(entries - width));
    }
  }

  std::vector<Block> blocks_;
  std::vector<std::size_t> widths_;
  bool left_out_;
  long range_;
  std::vector<std::uint16_t> taken_;   ///< per block, one bit per sum from its width up
  std::vector<std::size_t> first_run_; ///< where each block's bits start in taken_
  std::vector<int> last_;
};

// Which levels are searched together: one group of levels [first, end) per
// end. A group costs its table, in work and in memory (fresh memory is dear:
// the kernel clears each page); each group after the first is also tried
// after each sum the groups before it can leave.
struct Plan {
  std::vector<std::size_t> ends;
  double cost = 0.0;  ///< roughly in entries worked
  double bytes = 0.0; ///< held at once, at most
};

Plan plan_groups(const std::vector<Level>& levels, long target) {
  // In entries worked, a quarter of a nanosecond or so each: a byte of fresh
  // memory costs about 4 (a page fault is some 10 us on the 2-core machine),
  // a sum of one group tried after a sum of those before about 10.
  constexpr double kPerByte = 4.0, kPerTry = 10.0;
  const std::size_t count = levels.size();
  std::vector<double> best(count + 1, std::numeric_limits<double>::infinity()),
      held(count + 1, 0.0);
  std::vector<std::size_t> from(count + 1, 0);
  best[0] = 0.0;
  long before = 0;
  double sums_before = 1.0;
  for (std::size_t first = 0; first < count; ++first) {
    const double step = static_cast<double>(levels[first].step);
    // The sums kept are those that leave the rest a whole number of steps:
    // about one in `step` of the sums the levels before can make.
    const double states = std::min(std::max(1.0, sums_before / step),
                                   static_cast<double>(std::min(target, before)) / step + 1.0);
    long sum = 0;
    std::size_t blocks = 0;
    for (std::size_t end = first + 1; end <= count; ++end) {
      sum += levels[end - 1].sum;
      blocks += levels[end - 1].blocks.size();
      const double entries = std::floor(static_cast<double>(std::min(target, sum)) / step) + 1.0;
      const double next_step = end == count ? 0.0 : static_cast<double>(levels[end].step);
      const double tries =
          end == count ? 1.0 : static_cast<double>(std::min(target, sum)) / next_step + 1.0;
      const double kept =
          end == count ? 1.0
                       : static_cast<double>(std::min(target, before + sum)) / next_step + 1.0;
      const double bytes = 8.0 * (entries + 2.0 * kLanes) +
                           static_cast<double>(blocks) * entries / 8.0 + 12.0 * kept;
      const double cost =
          static_cast<double>(blocks) * entries + kPerTry * states * tries + kPerByte * bytes;
      if (best[first] + cost < best[end]) {
        best[end] = best[first] + cost;
        held[end] = held[first] + bytes;
        from[end] = first;
      }
    }
    before += levels[first].sum;
    sums_before *= levels[first].sums;
  }
  Plan plan;
  plan.cost = best[count];
  plan.bytes = held[count];
  for (std::size_t end = count; end > 0; end = from[end])
    plan.ends.insert(plan.ends.begin(), end);
  return plan;
}

// The cheapest stack for `target` steps (the blocks left out making it, when
// `left_out`), group by group. After a group the sum so far must leave the
// rest a whole number of the next group's step: the sums kept after it are
// base + i * modulus, cost[i] and what the group gave.
std::optional<std::vector<Block>> cheapest_stack(const std::vector<Level>& levels, const Plan& plan,
                                                 long target, bool left_out) {
  struct Group {
    long step = 1, base = 0, modulus = 1;
    std::vector<long> gave; ///< per sum kept, the group's part of it, in its step
  };
  std::vector<SumTable> tables;
  std::vector<Group> groups;
  std::vector<int> cost{0};
  long base = 0, modulus = 1, reach = 0;
  std::size_t first = 0;
  for (std::size_t end : plan.ends) {
    std::vector<Block> blocks;
    long sum = 0;
    for (std::size_t k = first; k < end; ++k) {
      blocks.insert(blocks.end(), levels[k].blocks.begin(), levels[k].blocks.end());
      sum += levels[k].sum;
    }
    Group group;
    group.step = levels[first].step;
    const SumTable& table = tables.emplace_back(std::move(blocks), group.step,
                                                std::min(target, sum) / group.step, left_out);
    reach += sum;
    const bool last = end == levels.size();
    group.modulus = last ? 1 : levels[end].step;
    group.base = last ? target : target % group.modulus;
    const long top = std::min(target, reach);
    if (top < group.base)
      return std::nullopt;
    const std::size_t kept =
        last ? 1 : static_cast<std::size_t>((top - group.base) / group.modulus) + 1;
    std::vector<int> next(kept, kUnreachable);
    group.gave.assign(kept, -1);
    const long stride = group.modulus / group.step;
    for (std::size_t i = 0; i < cost.size(); ++i) {
      if (cost[i] >= kUnreachable)
        continue;
      const long so_far = base + static_cast<long>(i) * modulus;
      const long rest = (target - so_far) / group.step;
      const auto offer = [&](long part) {
        if (table.cost(part) >= kUnreachable)
          return;
        const std::size_t at = last
                                   ? 0
                                   : static_cast<std::size_t>(
                                         (so_far + part * group.step - group.base) / group.modulus);
        if (cost[i] + table.cost(part) < next[at]) {
          next[at] = cost[i] + table.cost(part);
          group.gave[at] = part;
        }
      };
      if (last) {
        if (rest <= table.range())
          offer(rest);
      } else {
        for (long part = rest % stride, most = std::min(rest, table.range()); part <= most;
             part += stride)
          offer(part);
      }
    }
    cost.swap(next);
    base = group.base;
    modulus = group.modulus;
    groups.push_back(std::move(group));
    first = end;
  }
  if (cost[0] >= kUnreachable)
    return std::nullopt;
  std::vector<Block> stack;
  long sum = target;
  for (std::size_t g = groups.size(); g-- > 0;) {
    const Group& group = groups[g];
    const long part = group.gave[static_cast<std::size_t>((sum - group.base) / group.modulus)];
    const std::vector<Block> blocks = tables[g].stack_for(part);
    stack.insert(stack.end(), blocks.begin(), blocks.end());
    sum -= part * group.step;
  }
  return stack;
}

// The sums the blocks reach (any number of them), in `step`, from 0 to `range`: one bit each.
std::vector<std::uint64_t> sums_reached(const std::vector<const Level*>& levels, long step,
                                        long range) {
  const std::size_t words = static_cast<std::size_t>(range / 64) + 1;
  std::vector<std::uint64_t> bits(words, 0);
  bits[0] = 1;
  for (const Level* level : levels)
    for (const Block& block : level->blocks) {
      const std::size_t width = static_cast<std::size_t>(block.size / step);
      const std::size_t whole = width / 64, part = width % 64;
      // Downward, so that each word is moved before it is changed.
      for (std::size_t i = words; i-- > whole;) {
        std::uint64_t moved = bits[i - whole] << part;
        if (part != 0 && i > whole)
          moved |= bits[i - whole - 1] >> (64 - part);
        bits[i] |= moved;
      }
    }
  return bits;
}

bool has(const std::vector<std::uint64_t>& bits, long sum) {
  const std::size_t at = static_cast<std::size_t>(sum);
  return (bits[at / 64] >> (at % 64)) & 1U;
}

} // namespace

std::optional<GaugeStack> shortest_stack(const GaugeBlockSet& set, long height) {
  const std::optional<SetInSteps> prepared = in_steps(set);
  if (!prepared || height <= 0 || height % prepared->step != 0 ||
      height / prepared->step > prepared->total)
    return std::nullopt;
  const long wanted = height / prepared->step, others = prepared->total - wanted;
  const std::vector<Level> levels = levels_finest_first(prepared->blocks);
  // A stack of most of the set is found quicker as the few blocks left out.
  const Plan direct = plan_groups(levels, wanted), inverse = plan_groups(levels, others);
  const bool left_out = inverse.cost < direct.cost;
  const Plan& plan = left_out ? inverse : direct;
  if (plan.bytes > kMostBytes)
    return std::nullopt;
  const std::optional<std::vector<Block>> blocks =
      cheapest_stack(levels, plan, left_out ? others : wanted, left_out);
  if (!blocks)
    return std::nullopt;
  GaugeStack stack;
  for (const Block& block : *blocks) {
    stack.blocks.push_back(block.units);
    stack.height += block.units;
    stack.thin += is_thin(block.units, set.metric) ? 1 : 0;
  }
  std::sort(stack.blocks.begin(), stack.blocks.end(), std::greater<long>());
  return stack;
}

NearestHeights nearest_heights(const GaugeBlockSet& set, long height) {
  NearestHeights nearest;
  const std::optional<SetInSteps> prepared = in_steps(set);
  if (!prepared)
    return nearest;
  const long step = prepared->step, total = prepared->total;
  const std::vector<Level> levels = levels_finest_first(prepared->blocks);
  // The fine levels in one bit table, the coarse ones in another in their own
  // step; a sum is one from each. Split where the two cost least: a word
  // moved per block and 64 sums, and a look at each sum.
  std::size_t split = levels.size();
  double least = std::numeric_limits<double>::infinity();
  long fine_range = 0, fine_sum = 0;
  std::size_t fine_blocks = 0;
  for (std::size_t at = 1; at <= levels.size(); ++at) {
    fine_blocks += levels[at - 1].blocks.size();
    fine_sum += levels[at - 1].sum;
    const double fine = static_cast<double>(fine_sum);
    const double coarse = at == levels.size() ? 0.0
                                              : std::floor((static_cast<double>(total) - fine) /
                                                           static_cast<double>(levels[at].step));
    const double coarse_blocks = static_cast<double>(prepared->blocks.size() - fine_blocks);
    const double cost =
        (static_cast<double>(fine_blocks) * fine + coarse_blocks * coarse) / 64.0 + fine + coarse;
    if (cost < least) {
      least = cost;
      split = at;
      fine_range = fine_sum;
    }
  }
  if (least > kMostNearestWork)
    return nearest;
  std::vector<const Level*> fine_levels, coarse_levels;
  for (std::size_t k = 0; k < levels.size(); ++k)
    (k < split ? fine_levels : coarse_levels).push_back(&levels[k]);
  const long coarse_step = split == levels.size() ? 1 : levels[split].step;
  const long coarse_range = (total - fine_range) / coarse_step;
  const std::vector<std::uint64_t> fine = sums_reached(fine_levels, levels[0].step, fine_range);
  const std::vector<std::uint64_t> coarse = sums_reached(coarse_levels, coarse_step, coarse_range);

  // Below: the largest sum under the height, but not the empty stack. Coarse
  // sums from the largest down leave the fine part more and more room, so one
  // upward scan of the fine sums serves them all; above likewise.
  if (height > 0) {
    const long limit = std::min(total, (height - 1) / step);
    long best = 0, scanned = -1, found = -1;
    for (long c = coarse_range; c >= 0; --c) {
      const long room = std::min(limit - c * coarse_step, fine_range);
      if (!has(coarse, c) || room < 0)
        continue;
      while (scanned < room)
        if (has(fine, ++scanned))
          found = scanned;
      if (found >= 0)
        best = std::max(best, c * coarse_step + found);
    }
    if (best > 0)
      nearest.below = best * step;
  }
  if (height < 0 || height / step < total) {
    const long limit = height < 0 ? 1 : height / step + 1;
    long best = -1, found = 0;
    for (long c = coarse_range; c >= 0; --c) {
      const long need = std::max(limit - c * coarse_step, 0L);
      if (!has(coarse, c) || need > fine_range)
        continue;
      found = std::max(found, need);
      while (found <= fine_range && !has(fine, found))
        ++found;
      if (found <= fine_range && (best < 0 || c * coarse_step + found < best))
        best = c * coarse_step + found;
    }
    if (best > 0)
      nearest.above = best * step;
  }
  return nearest;
}

} // namespace workshop
