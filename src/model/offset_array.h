#pragma once

#include <cassert>
#include <vector>

namespace tessarin {

// An array of doubles whose indices run from `first` to `last`, possibly negative, as the
// reflection coefficients (-h to n + 10 + h) and the wavelet (-h to h + 1) need.
class OffsetArray {
public:
    OffsetArray() = default;
    OffsetArray(int first, int last)
        : first_(first), values_(last >= first ? static_cast<std::size_t>(last - first + 1) : 0) {}

    int First() const { return first_; }
    int Last() const { return first_ + static_cast<int>(values_.size()) - 1; }
    bool Empty() const { return values_.empty(); }
    bool Contains(int i) const { return i >= first_ && i <= Last(); }

    double& operator[](int i) {
        assert(Contains(i));
        return values_[static_cast<std::size_t>(i - first_)];
    }
    double operator[](int i) const {
        assert(Contains(i));
        return values_[static_cast<std::size_t>(i - first_)];
    }

    bool operator==(const OffsetArray&) const = default;

private:
    int first_ = 0;
    std::vector<double> values_;
};

}  // namespace tessarin
