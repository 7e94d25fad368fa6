#include "tests/explorer/covering_array.h"

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

namespace {

using Pair = std::tuple<int, int, int, int>;  // factor, level, factor, level

std::set<Pair> AllowedPairs(const std::vector<int>& levels,
                            const std::function<bool(const Row&)>& allowed) {
  std::set<Pair> pairs;
  const int factors = static_cast<int>(levels.size());
  Row row(levels.size(), -1);
  for (int f = 0; f < factors; ++f) {
    for (int g = f + 1; g < factors; ++g) {
      for (int a = 0; a < levels[f]; ++a) {
        for (int b = 0; b < levels[g]; ++b) {
          row[f] = a;
          row[g] = b;
          if (allowed(row))
            pairs.emplace(f, a, g, b);
        }
      }
      row[g] = -1;
    }
    row[f] = -1;
  }
  return pairs;
}

int NewlyCovered(const Row& row, int factor, const std::set<Pair>& uncovered) {
  int count = 0;
  for (int other = 0; other < static_cast<int>(row.size()); ++other) {
    if (other == factor || row[other] < 0)
      continue;
    const Pair pair = factor < other
                          ? Pair(factor, row[factor], other, row[other])
                          : Pair(other, row[other], factor, row[factor]);
    count += uncovered.count(pair) ? 1 : 0;
  }
  return count;
}

}  // namespace

std::vector<Row> PairwiseRows(const std::vector<int>& levels,
                              const std::function<bool(const Row&)>& allowed) {
  std::set<Pair> uncovered = AllowedPairs(levels, allowed);
  std::mt19937 random(20261209);
  const int factors = static_cast<int>(levels.size());
  std::vector<Row> rows;
  while (!uncovered.empty()) {
    // A few candidates, each begun from an uncovered pair and completed
    // factor by factor with the level that covers most; the best is kept.
    Row best;
    int best_gain = -1;
    for (int candidate = 0; candidate < 20; ++candidate) {
      auto seed = uncovered.begin();
      std::advance(seed, random() % uncovered.size());
      Row row(levels.size(), -1);
      row[std::get<0>(*seed)] = std::get<1>(*seed);
      row[std::get<2>(*seed)] = std::get<3>(*seed);
      std::vector<int> order(factors);
      for (int f = 0; f < factors; ++f)
        order[f] = f;
      std::shuffle(order.begin(), order.end(), random);
      for (int f : order) {
        if (row[f] >= 0)
          continue;
        int chosen = -1;
        int chosen_gain = -1;
        const int start = static_cast<int>(random() % levels[f]);
        for (int i = 0; i < levels[f]; ++i) {
          row[f] = (start + i) % levels[f];
          const int gain = allowed(row) ? NewlyCovered(row, f, uncovered) : -1;
          if (gain > chosen_gain) {
            chosen = row[f];
            chosen_gain = gain;
          }
        }
        row[f] = chosen;
      }
      int gain = 0;
      for (int f = 0; f < factors; ++f)
        gain += NewlyCovered(row, f, uncovered);
      if (gain > best_gain && allowed(row)) {
        best = row;
        best_gain = gain;
      }
    }
    if (best_gain <= 0)
      break;  // what is left cannot stand in any complete row
    for (int f = 0; f < factors; ++f) {
      for (int g = f + 1; g < factors; ++g)
        uncovered.erase(Pair(f, best[f], g, best[g]));
    }
    rows.push_back(best);
  }
  return rows;
}

int UncoveredPairs(const std::vector<int>& levels,
                   const std::function<bool(const Row&)>& allowed,
                   const std::vector<Row>& rows) {
  std::set<Pair> uncovered = AllowedPairs(levels, allowed);
  for (const Row& row : rows) {
    for (size_t f = 0; f < row.size(); ++f) {
      for (size_t g = f + 1; g < row.size(); ++g)
        uncovered.erase(Pair(f, row[f], g, row[g]));
    }
  }
  return static_cast<int>(uncovered.size());
}
