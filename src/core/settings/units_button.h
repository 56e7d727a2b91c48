// What the Units button does with each page's inch/millimetre pair. It
// switches a pair that shows the other unit and leaves alone one that
// already shows the new unit. A pair it left alone it also leaves alone on
// the way back, as long as the pair still shows that unit: its unit was
// chosen on the page, not by the button, and switching twice must leave
// every page where it was.
#pragma once

#include <string>
#include <vector>

namespace settings {

/// Which button of a pair is set; the letters are how State.ini keeps them.
enum class PairUnit : char { kNeither = '-', kInch = 'i', kMetric = 'm' };

/// Whether the Units button, switching to `target`, switches a pair that
/// shows `shown`. `left_alone` is the unit the pair showed when the button
/// last left it alone (kNeither when it switched it); it is updated here.
bool units_button_switches(PairUnit shown, PairUnit target, PairUnit& left_alone);

/// One letter per pair; empty when the button left no pair alone.
std::string left_alone_text(const std::vector<PairUnit>& pairs);
/// `count` pairs back from that text; anything but a unit letter, and a
/// missing letter, reads as kNeither.
std::vector<PairUnit> read_left_alone(const std::string& text, size_t count);

} // namespace settings
