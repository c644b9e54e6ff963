#pragma once
// A one-dimensional array that may be without bounds (never sized, or erased), or has a
// lower and an upper bound. The tarot test state and the goal list are kept in these.
#include <deque>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <vector>

template <typename T>
class DynamicArray {
    // Booleans are kept one to an element (not packed), so that elements can be referred to.
    using Storage = std::conditional_t<std::is_same_v<T, bool>, std::deque<T>, std::vector<T>>;

public:
    DynamicArray() = default;
    DynamicArray(std::initializer_list<T> values) : m_values(values), m_bounded(true) {}

    bool hasBounds() const { return m_bounded; }
    // The bounds; asking an array without bounds is an error (std::out_of_range).
    int lowerBound() const { return bounded().m_lower; }
    int upperBound() const { return bounded().m_lower + static_cast<int>(m_values.size()) - 1; }
    std::optional<int> tryUpperBound() const
    {
        return m_bounded ? std::optional<int>(upperBound()) : std::nullopt;
    }
    int size() const { return static_cast<int>(m_values.size()); }

    // Gives the array the bounds lower..upper; preserve keeps the elements that stay in range.
    // An upper bound below the lower one leaves a bounded array with no elements.
    void redim(int upper, bool preserve = false, int lower = 0)
    {
        const int count = upper >= lower ? upper - lower + 1 : 0;
        if (!preserve)
            m_values.clear();
        m_values.resize(static_cast<std::size_t>(count));
        m_lower = lower;
        m_bounded = true;
    }
    // Grows by one element at the end; an array without bounds gets the single position 0.
    T& append(T value = T())
    {
        if (!m_bounded)
            redim(0);
        else
            m_values.push_back(T());
        m_values.back() = std::move(value);
        return m_values.back();
    }
    // Removes the bounds and every element.
    void erase()
    {
        m_values.clear();
        m_lower = 0;
        m_bounded = false;
    }

    T& operator[](int index) { return m_values.at(offset(index)); }
    const T& operator[](int index) const { return m_values.at(offset(index)); }

    const Storage& values() const { return m_values; }
    auto begin() const { return m_values.begin(); }
    auto end() const { return m_values.end(); }

private:
    const DynamicArray& bounded() const
    {
        if (!m_bounded)
            throw std::out_of_range("array has no bounds");
        return *this;
    }
    std::size_t offset(int index) const
    {
        bounded();
        if (index < m_lower)
            throw std::out_of_range("index below the lower bound");
        return static_cast<std::size_t>(index - m_lower);
    }

    Storage m_values;
    int m_lower = 0;
    bool m_bounded = false;
};
