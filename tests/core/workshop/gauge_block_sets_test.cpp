// The user's gauge block sets in the settings file: written and read back,
// hand-edited entries that are no block left out, and block sizes as typed.
#include "core/workshop/gauge_block_sets.h"

#include "core/unit_test.h"

namespace workshop {
namespace {

TEST(GaugeBlockSets, StoredAndReadBackAndNoDividingHead) {
  settings::IniDocument doc;
  doc.set("my head 40-1:0", "My head 40-1");
  const std::vector<GaugeBlockSet> sets = {{"Shop; inch", false, {10010, 10010, 400000}},
                                           {"Metric", true, {10005, 250000}}};
  EXPECT_TRUE(store_user_gauge_sets(doc, sets));
  EXPECT_FALSE(store_user_gauge_sets(doc, sets)); // nothing new
  EXPECT_EQ(doc.get_string("gauge block sets:set 1 block 0.1001"), "2");
  EXPECT_EQ(doc.get_string("gauge block sets:set 2 block 1.0005"), "1");
  const std::vector<GaugeBlockSet> read = user_gauge_sets(doc);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(std::make_tuple(read[0].name, read[0].metric, read[0].blocks),
            std::make_tuple(std::string("Shop; inch"), false, std::vector<long>{10010, 10010, 400000}));
  EXPECT_EQ(std::make_tuple(read[1].name, read[1].metric, read[1].blocks),
            std::make_tuple(std::string("Metric"), true, std::vector<long>{10005, 250000}));
  EXPECT_EQ(settings::head_display_names(doc), std::vector<std::string>{"My head 40-1"});
  // Fewer sets: the others' keys go.
  EXPECT_TRUE(store_user_gauge_sets(doc, {sets[1]}));
  EXPECT_EQ(user_gauge_sets(doc).size(), 1u);
  EXPECT_FALSE(doc.has("gauge block sets:set 2 name"));
}

TEST(GaugeBlockSets, HandEditedEntriesThatAreNoBlockAreLeftOut) {
  settings::IniDocument doc;
  for (const auto& [key, value] :
       std::vector<std::pair<const char*, const char*>>{{"set 3 name", "Odd"},
                                                        {"set 3 unit", "mm"},
                                                        {"set 3 block 2", "3"},
                                                        {"set 3 block abc", "1"},
                                                        {"set 3 block 1", "99"},
                                                        {"set 3 block 0.00001", "1"},
                                                        {"set 3 block 3", "0"},
                                                        {"set 4 unit", "in"},
                                                        {"set x name", "No number"},
                                                        {"other", "1"}})
    doc.set(std::string("gauge block sets:") + key, value);
  const std::vector<GaugeBlockSet> read = user_gauge_sets(doc);
  ASSERT_EQ(read.size(), 1u); // set 4 has no name
  EXPECT_EQ(read[0].blocks, (std::vector<long>{20000, 20000, 20000}));
}

TEST(GaugeBlockSets, BlockSizesAsTypedAndAsMarked) {
  const std::tuple<const char*, bool, std::optional<long>> typed[] = {
      {"0.1001", false, 10010}, {"0.10005", false, 10005}, {"1.0005", true, 10005},
      {"499.9999", true, 4999999}, {"500", true, {}}, {"20", false, {}}, {"0.000001", false, {}},
      {"0", true, {}}, {"-1", true, {}}, {"1e3", true, {}}, {"", true, {}}, {".", true, {}},
      {"1.2.3", true, {}}};
  for (const auto& [text, metric, units] : typed)
    EXPECT_EQ(block_units(text, metric), units) << text;
  const std::tuple<long, bool, const char*> marked[] = {
      {10010, false, "0.1001"}, {13000, false, "0.130"}, {400000, false, "4.000"},
      {10005, false, "0.10005"}, {10005, true, "1.0005"}, {250000, true, "25"}, {15000, true, "1.5"}};
  for (const auto& [size, metric, text] : marked)
    EXPECT_EQ(block_size_text(size, metric), text) << size;
}

} // namespace
} // namespace workshop
