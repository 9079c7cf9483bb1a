// The state of the ionosphere over the selected station: the current foF2 against its
// median of the ten days before today.
#pragma once

#include <string>

#include "common/Clock.h"
#include "common/Colour.h"

namespace talver {

class Database;
class Display;

struct DisturbanceClass {
  std::string text;  // with its leading and trailing blank
  Colour colour;
};

// The class of the relative deviation q = (c - m) / m.
DisturbanceClass Classify(double q);

// q × 100 rounded to four significant digits, with one decimal: -0.2246 gives "-22.5".
std::string PercentText(double q);

// SostoyanieIONO: Label16, lbSostIono and shSost for the source at `sourceIndex`; dates come
// from the local clock, the hour from the UT clock. Sources without a table change nothing.
void SostoyanieIONO(Database& database, Display& display, int sourceIndex, const Clock& clock);

}  // namespace talver
