#pragma once

#include <utility>

#include "platform/ProgramError.h"

namespace pekuru::detail {

template <typename Value>
void mergeSort(int lo, int hi, std::vector<Long>& keys, std::vector<Value>& values,
               std::vector<Long>& workKeys, std::vector<Value>& workValues) {
    if (lo >= hi) return;
    const int mid = (lo + hi) / 2;
    mergeSort(lo, mid, keys, values, workKeys, workValues);
    mergeSort(mid + 1, hi, keys, values, workKeys, workValues);
    const int leftCount = mid - lo + 1;
    for (int i = 0; i < leftCount; ++i) {
        workKeys[std::size_t(i)] = keys[std::size_t(lo + i)];
        workValues[std::size_t(i)] = values[std::size_t(lo + i)];
    }
    int i = 0, j = mid + 1, k = lo;
    while (i < leftCount && j <= hi) {
        // The left entry only when strictly smaller: on equal keys the right one goes first.
        if (workKeys[std::size_t(i)] < keys[std::size_t(j)]) {
            keys[std::size_t(k)] = workKeys[std::size_t(i)];
            values[std::size_t(k)] = std::move(workValues[std::size_t(i)]);
            ++i;
        } else {
            keys[std::size_t(k)] = keys[std::size_t(j)];
            values[std::size_t(k)] = std::move(values[std::size_t(j)]);
            ++j;
        }
        ++k;
    }
    while (i < leftCount) {
        keys[std::size_t(k)] = workKeys[std::size_t(i)];
        values[std::size_t(k)] = std::move(workValues[std::size_t(i)]);
        ++i, ++k;
    }
}

}  // namespace pekuru::detail

namespace pekuru {

template <typename Value>
void キー順並べ替え(int n, std::vector<Long>& keys, std::vector<Value>& values) {
    if (n < 2) return;
    if (keys.size() < std::size_t(n) + 1 || values.size() < std::size_t(n) + 1) {
        throw ProgramError(ProgramError::SubscriptOutOfRange,
                           QStringLiteral("並べ替える %1 個の項目が表に入りきりません。").arg(n));
    }
    std::vector<Long> workKeys(std::size_t(n / 2 + 1));
    std::vector<Value> workValues(std::size_t(n / 2 + 1));
    detail::mergeSort(1, n, keys, values, workKeys, workValues);
}

}  // namespace pekuru
