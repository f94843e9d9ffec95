#pragma once
// A fixed-size table whose out-of-range indexes are reported and never used to read or write.

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace tavrel {

// Called with the table's name and the bad index.
using IndexErrorReporter = std::function<void(const std::string& table, int index)>;

template <typename T, int N> class CheckedTable {
public:
    explicit CheckedTable(const char* name) : name_(name) {}

    static constexpr int Size() { return N; }
    static constexpr bool InRange(int index) { return index >= 0 && index < N; }

    // The slot, or nullptr (after reporting) when the index lies outside the table.
    T* Slot(int index) {
        if (InRange(index))
            return &slots_[static_cast<size_t>(index)];
        Report(index);
        return nullptr;
    }
    const T* Slot(int index) const {
        if (InRange(index))
            return &slots_[static_cast<size_t>(index)];
        Report(index);
        return nullptr;
    }

    // Unchecked access for loops whose bounds are the table's own constants.
    T& operator[](int index) { return slots_[static_cast<size_t>(index)]; }
    const T& operator[](int index) const { return slots_[static_cast<size_t>(index)]; }

    void SetReporter(IndexErrorReporter reporter) { reporter_ = std::move(reporter); }
    const char* Name() const { return name_; }

private:
    void Report(int index) const {
        if (reporter_)
            reporter_(name_, index);
    }

    const char* name_;
    std::array<T, N> slots_{};
    IndexErrorReporter reporter_;
};

} // namespace tavrel
