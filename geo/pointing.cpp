#include "geo/pointing.h"

namespace zelora {

TwipLine needle_pointing(TwipLine needle, double) { return needle; }
TwipLine bar_for_distance(TwipLine bar, double) { return bar; }

}  // namespace zelora
