#include "criteria/Weights.h"

#include <cmath>

namespace quillane {

void SortByKeyDescending(std::span<Single> a, std::span<QString> b, int n) {
  if (n < 2) return;
  Q_ASSERT(static_cast<std::size_t>(n) < a.size() && static_cast<std::size_t>(n) < b.size());
  int l = n / 2 + 1;
  int r = n;
  for (;;) {
    Single k;
    QString s;
    if (l > 1) {
      --l;
      k = a[l];
      s = b[l];
    } else {
      k = a[r];
      s = b[r];
      a[r] = a[1];
      b[r] = b[1];
      --r;
      if (r == 1) {
        a[1] = k;
        b[1] = s;
        return;
      }
    }
    // Sink the hole from l to the bottom, always towards the smaller child.
    int i = l;
    int j = l;
    for (;;) {
      i = j;
      j = 2 * j;
      if (j > r) break;
      if (j != r && a[j] > a[j + 1]) ++j;
      a[i] = a[j];
      b[i] = b[j];
    }
    // Climb back up until the key fits.
    for (;;) {
      j = i;
      i = j / 2;
      if (j == l || k >= a[i]) break;
      a[j] = a[i];
      b[j] = b[i];
    }
    a[j] = k;
    b[j] = s;
  }
}

Single CutToOneDecimal(Single value) {
  return static_cast<Single>(std::floor(static_cast<double>(value) * 10.0) / 10.0);
}

void TruncateWeights(WeightList& weights, int count) {
  for (int i = 1; i <= count; ++i) weights[i] = CutToOneDecimal(weights[i]);
}

void NormaliseWeights(WeightList& weights, TextList<kMaxCriteria>& names, int count) {
  SortByKeyDescending(weights, names, count);
  if (weights[1] == 0) return;  // no scale to speak of: leave them as they stand
  const Single factor = static_cast<Single>(9.0 / static_cast<double>(weights[1]));
  for (int i = 1; i <= count; ++i) {
    weights[i] = static_cast<Single>(static_cast<double>(weights[i]) * static_cast<double>(factor));
  }
  TruncateWeights(weights, count);
}

}  // namespace quillane
