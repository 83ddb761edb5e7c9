#include "stats/ranking_order.h"

#include <numeric>
#include <utility>

namespace zelora {

std::vector<std::size_t> ranking_order(const std::vector<std::int64_t>& distances) {
    const std::size_t count = distances.size();
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::vector<std::int64_t> keys = distances;  // kept beside `order`, exchanged with it
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

}  // namespace zelora
