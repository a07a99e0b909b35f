#pragma once

#include <QString>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ProgramError.h"

namespace pekuru {

// A table with entries low..high, allocated once. Indexing outside the bounds is the run-time error
// "subscript out of range", never a wild read or write.
template <typename T>
class Table1D {
  public:
    Table1D(int low, int high) : low_(low), values_(std::size_t(high - low + 1)) {}

    T& operator[](int i) { return values_[offset(i)]; }
    const T& operator[](int i) const { return values_[offset(i)]; }
    int low() const { return low_; }
    int high() const { return low_ + int(values_.size()) - 1; }
    bool contains(int i) const { return i >= low() && i <= high(); }
    void fill(const T& value) { std::fill(values_.begin(), values_.end(), value); }

  private:
    std::size_t offset(int i) const {
        if (!contains(i)) throwOutOfRange(i);
        return std::size_t(i - low_);
    }
    [[noreturn]] void throwOutOfRange(int i) const {
        throw ProgramError(ProgramError::SubscriptOutOfRange,
                           QStringLiteral("添字 %1 が範囲 %2..%3 の外です。").arg(i).arg(low()).arg(high()));
    }
    int low_;
    std::vector<T> values_;
};

// A table indexed (a, b) with a in 0..maxA and b in 0..maxB. Most of its rows are never used (a
// classroom has a few dozen of the 5001 student numbers), so a row takes memory only once it is
// written to or asked for by a writer; until then it reads as the table's untouched row.
template <typename T>
class Table2D {
  public:
    Table2D(int maxA, int maxB)
        : maxA_(maxA), maxB_(maxB), rows_(std::size_t(maxA + 1)), untouched_(std::size_t(maxB + 1)) {}

    T& operator()(int a, int b) {
        check(a, b);
        return rowOf(a)[b];
    }
    const T& operator()(int a, int b) const {
        check(a, b);
        const std::unique_ptr<T[]>& r = rows_[std::size_t(a)];
        return r ? r[std::size_t(b)] : untouched_[std::size_t(b)];
    }
    int maxA() const { return maxA_; }
    int maxB() const { return maxB_; }
    bool contains(int a, int b) const { return a >= 0 && a <= maxA_ && b >= 0 && b <= maxB_; }
    // Every entry becomes `value`; the rows in use are given back.
    void fill(const T& value) {
        std::fill(untouched_.begin(), untouched_.end(), value);
        for (std::unique_ptr<T[]>& r : rows_) r.reset();
    }
    // Every entry of column b becomes `value`, in the rows in use and the untouched ones.
    void fillColumn(int b, const T& value) {
        check(0, b);
        untouched_[std::size_t(b)] = value;
        for (std::unique_ptr<T[]>& r : rows_)
            if (r) r[std::size_t(b)] = value;
    }
    // The entries of row a, for loops that sweep a whole row.
    T* row(int a) {
        check(a, 0);
        return rowOf(a);
    }
    // How many rows hold memory of their own (for tests of the memory use).
    int rowsInUse() const {
        return int(std::count_if(rows_.begin(), rows_.end(), [](const auto& r) { return bool(r); }));
    }

  private:
    // The test stays in the caller, so that the compiler sees no access follows a failed one.
    inline __attribute__((always_inline)) void check(int a, int b) const {
        if (!contains(a, b)) throwOutOfRange(a, b);
    }
    [[noreturn]] void throwOutOfRange(int a, int b) const {
        throw ProgramError(ProgramError::SubscriptOutOfRange,
                           QStringLiteral("添字 (%1, %2) が範囲 (0..%3, 0..%4) の外です。")
                               .arg(a)
                               .arg(b)
                               .arg(maxA_)
                               .arg(maxB_));
    }
    T* rowOf(int a) {
        std::unique_ptr<T[]>& r = rows_[std::size_t(a)];
        if (!r) {
            r = std::make_unique<T[]>(untouched_.size());
            std::copy(untouched_.begin(), untouched_.end(), r.get());
        }
        return r.get();
    }
    int maxA_;
    int maxB_;
    std::vector<std::unique_ptr<T[]>> rows_;
    std::vector<T> untouched_;
};

}  // namespace pekuru
