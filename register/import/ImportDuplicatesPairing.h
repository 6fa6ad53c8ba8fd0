#pragma once

// Pairing the lines and rows of one amount: the most pairs, and among those
// the least total cost (the days between their dates), by the Hungarian
// method. The groups are few and small (the lines and rows of one amount
// within days of each other); a group too large for it is paired in date
// order, each line with its cheapest free row.

#include <functional>
#include <vector>

// cost(i, j) is what pairing left item i with right item j costs (0 or
// more), or -1 when they may not be paired. Returns, for each left item, the
// right item it is paired with, or -1.
std::vector<int> leastCostPairing(int left, int right, const std::function<int(int, int)> &cost);
