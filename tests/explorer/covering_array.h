#ifndef TESTS_EXPLORER_COVERING_ARRAY_H_
#define TESTS_EXPLORER_COVERING_ARRAY_H_

#include <functional>
#include <vector>

// Rows of levels, one per factor, such that every pair of levels of every
// two factors that may stand together stands together in some row: a
// pairwise covering array, built greedily from a fixed seed so that the
// same factors always give the same rows.
//
// |levels| holds each factor's number of levels. |allowed| says whether a
// partial row (-1 for a factor not chosen yet) may stand; pairs it refuses
// are not required.
using Row = std::vector<int>;
std::vector<Row> PairwiseRows(const std::vector<int>& levels,
                              const std::function<bool(const Row&)>& allowed);

// How many of the allowed pairs |rows| leave uncovered (0 for a covering
// array).
int UncoveredPairs(const std::vector<int>& levels,
                   const std::function<bool(const Row&)>& allowed,
                   const std::vector<Row>& rows);

#endif  // TESTS_EXPLORER_COVERING_ARRAY_H_
