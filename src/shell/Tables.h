#pragma once

#include <QString>
#include <cstdint>
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

// A table indexed (a, b) with a in 0..maxA and b in 0..maxB, allocated once.
template <typename T>
class Table2D {
  public:
    Table2D(int maxA, int maxB)
        : maxA_(maxA), maxB_(maxB), values_(std::size_t(maxA + 1) * std::size_t(maxB + 1)) {}

    T& operator()(int a, int b) { return values_[offset(a, b)]; }
    const T& operator()(int a, int b) const { return values_[offset(a, b)]; }
    int maxA() const { return maxA_; }
    int maxB() const { return maxB_; }
    bool contains(int a, int b) const { return a >= 0 && a <= maxA_ && b >= 0 && b <= maxB_; }
    void fill(const T& value) { std::fill(values_.begin(), values_.end(), value); }
    // The entries of row a, for loops that sweep a whole row.
    T* row(int a) { return &values_[offset(a, 0)]; }

  private:
    std::size_t offset(int a, int b) const {
        if (!contains(a, b)) {
            throw ProgramError(ProgramError::SubscriptOutOfRange,
                               QStringLiteral("添字 (%1, %2) が範囲 (0..%3, 0..%4) の外です。")
                                   .arg(a)
                                   .arg(b)
                                   .arg(maxA_)
                                   .arg(maxB_));
        }
        return std::size_t(a) * std::size_t(maxB_ + 1) + std::size_t(b);
    }
    int maxA_;
    int maxB_;
    std::vector<T> values_;
};

}  // namespace pekuru
