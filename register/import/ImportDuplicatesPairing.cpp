#include "ImportDuplicatesPairing.h"

#include <algorithm>
#include <limits>

namespace {

// Beyond this many on the smaller side (and its square times the larger),
// the exact method would take seconds; a bank's statement never has such a
// group but a hostile file may.
constexpr long long kExactWork = 64'000'000;

std::vector<int> inOrder(int left, int right, const std::function<int(int, int)> &cost)
{
    std::vector<int> pair(size_t(left), -1);
    std::vector<bool> taken(size_t(right), false);
    for (int i = 0; i < left; ++i) {
        int best = -1, bestCost = 0;
        for (int j = 0; j < right; ++j) {
            const int c = taken[size_t(j)] ? -1 : cost(i, j);
            if (c >= 0 && (best < 0 || c < bestCost)) {
                best = j;
                bestCost = c;
            }
        }
        if (best >= 0) {
            pair[size_t(i)] = best;
            taken[size_t(best)] = true;
        }
    }
    return pair;
}

} // namespace

std::vector<int> leastCostPairing(int left, int right, const std::function<int(int, int)> &cost)
{
    if (left == 0 || right == 0)
        return std::vector<int>(size_t(left), -1);
    const bool flip = left > right; // the method wants the smaller side first
    const int n = flip ? right : left, m = flip ? left : right;
    if (static_cast<long long>(n) * n * m > kExactWork)
        return inOrder(left, right, cost);
    auto at = [&](int i, int j) { return flip ? cost(j, i) : cost(i, j); };
    // Any pairing with one pair more costs less than one with fewer: a pair
    // that may not be made costs more than every allowed one together.
    long long most = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j)
            most = std::max<long long>(most, at(i, j));
    const long long forbidden = (most + 1) * (n + 1);
    std::vector<long long> a(size_t(n + 1) * size_t(m + 1), 0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            const int c = at(i - 1, j - 1);
            a[size_t(i) * size_t(m + 1) + size_t(j)] = c < 0 ? forbidden : c;
        }
    constexpr long long kInf = std::numeric_limits<long long>::max() / 4;
    std::vector<long long> u(size_t(n + 1), 0), v(size_t(m + 1), 0), minv(size_t(m + 1));
    std::vector<int> p(size_t(m + 1), 0), way(size_t(m + 1), 0);
    std::vector<char> used(size_t(m + 1));
    for (int i = 1; i <= n; ++i) {
        p[0] = i;
        int j0 = 0;
        std::fill(minv.begin(), minv.end(), kInf);
        std::fill(used.begin(), used.end(), 0);
        do {
            used[size_t(j0)] = 1;
            const int i0 = p[size_t(j0)];
            long long delta = kInf;
            int j1 = 0;
            for (int j = 1; j <= m; ++j) {
                if (used[size_t(j)])
                    continue;
                const long long cur = a[size_t(i0) * size_t(m + 1) + size_t(j)] - u[size_t(i0)] - v[size_t(j)];
                if (cur < minv[size_t(j)]) {
                    minv[size_t(j)] = cur;
                    way[size_t(j)] = j0;
                }
                if (minv[size_t(j)] < delta) {
                    delta = minv[size_t(j)];
                    j1 = j;
                }
            }
            for (int j = 0; j <= m; ++j) {
                if (used[size_t(j)]) {
                    u[size_t(p[size_t(j)])] += delta;
                    v[size_t(j)] -= delta;
                } else {
                    minv[size_t(j)] -= delta;
                }
            }
            j0 = j1;
        } while (p[size_t(j0)] != 0);
        do {
            const int j1 = way[size_t(j0)];
            p[size_t(j0)] = p[size_t(j1)];
            j0 = j1;
        } while (j0 != 0);
    }
    std::vector<int> pair(size_t(left), -1);
    for (int j = 1; j <= m; ++j) {
        const int i = p[size_t(j)];
        if (i == 0 || at(i - 1, j - 1) < 0)
            continue;
        if (flip)
            pair[size_t(j - 1)] = i - 1;
        else
            pair[size_t(i - 1)] = j - 1;
    }
    return pair;
}
