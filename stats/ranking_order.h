#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelora {

// The order of the DX ranking: indexes into `distances`, longest first. Ties end as the
// contest's exchange sort has always left them (for i, for j from i on, exchange when item i
// is strictly shorter than item j), which is neither logging order nor its reverse: 100, 100,
// 200 km rank as the third, the second, the first. No stable sort reproduces that, so the
// procedure itself runs, over whole numbers and indexes to keep each step cheap.
std::vector<std::size_t> ranking_order(const std::vector<std::int64_t>& distances);

}  // namespace zelora
