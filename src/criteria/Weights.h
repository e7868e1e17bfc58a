#pragma once

#include <QString>
#include <span>

#include "core/Session.h"

namespace quillane {

// Sorts entries 1..n of `keys` into descending order, moving the name at the
// same index with each key. A bottom-up heap sort on a 1-based min-heap; its
// exact steps fix the order of equal keys, which the program's results show.
// Slot 0 of both arrays is left alone.
void SortByKeyDescending(std::span<Single> keys, std::span<QString> names, int n);

// Cuts weights 1..count to one decimal, toward minus infinity.
void TruncateWeights(WeightList& weights, int count);

// Sorts criteria 1..count by weight, moving each name with its weight,
// scales the weights so the largest weighs 9 and cuts them to one decimal.
// Only defined while the first weight is not 0.
void NormaliseWeights(WeightList& weights, TextList<kMaxCriteria>& names, int count);

// Cuts a value to one decimal: Int(x * 10) / 10, in double, stored single.
Single CutToOneDecimal(Single value);

}  // namespace quillane
