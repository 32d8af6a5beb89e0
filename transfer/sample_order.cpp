#include "transfer/sample_order.h"

namespace tovan {
namespace {

// Restores the max-heap property below position `root` within index[0 .. end).
void SiftDown(IntVector& index, const Vector& x, int root, int end) {
  const int moving = index[root];
  int parent = root;
  int child = 2 * parent + 1;
  while (child < end) {
    if (child + 1 < end && x[index[child]] < x[index[child + 1]]) ++child;
    if (!(x[moving] < x[index[child]])) break;
    index[parent] = index[child];
    parent = child;
    child = 2 * parent + 1;
  }
  index[parent] = moving;
}

IntVector WithoutRepeats(const IntVector& index) {
  int kept = 0;
  for (int k = 0; k < index.length(); ++k)
    if (k == 0 || index[k] != index[k - 1]) ++kept;
  IntVector result(kept);
  int next = 0;
  for (int k = 0; k < index.length(); ++k)
    if (k == 0 || index[k] != index[k - 1]) result[next++] = index[k];
  return result;
}

}  // namespace

bool IsSorted(const Vector& abscissae, bool strict) {
  for (int i = 0; i + 1 < abscissae.length(); ++i) {
    const bool ordered = strict ? abscissae[i] < abscissae[i + 1] : abscissae[i] <= abscissae[i + 1];
    if (!ordered) return false;
  }
  return true;
}

IntVector SortPermutation(const Vector& x, bool merge) {
  const int n = x.length();
  IntVector index(n);
  for (int k = 0; k < n; ++k) index[k] = k;
  for (int root = n / 2 - 1; root >= 0; --root) SiftDown(index, x, root, n);
  int duplicates = 0;
  for (int end = n - 1; end > 0; --end) {
    const int largest = index[0];
    index[0] = index[end];
    index[end] = largest;
    SiftDown(index, x, 0, end);
    if (merge && end + 1 < n && x[index[end]] == x[index[end + 1]]) {
      index[end] = index[end + 1];
      ++duplicates;
    }
  }
  if (merge && n >= 2 && x[index[0]] == x[index[1]]) {
    index[0] = index[1];
    ++duplicates;
  }
  return duplicates == 0 ? index : WithoutRepeats(index);
}

}  // namespace tovan
