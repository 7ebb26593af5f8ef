// A keyed collection: items in insertion order, each under a unique text key.
//
// Add raises error 457 for a key that is present, Remove takes a 1-based
// position and raises error 9 beyond the items; iteration walks the items in
// insertion order. The collection owns its items. Plain C++: it serves the
// monitor set, which knows no GUI.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Errors.h"

namespace toolkit {

template <class T>
class Collection {
    struct Entry {
        std::string key;
        std::shared_ptr<T> item;
    };

public:
    void Add(std::shared_ptr<T> item, const std::string &key)
    {
        for (const auto &entry : m_entries)
            if (entry.key == key)
                throw Error(ErrDuplicateKey, "This key is already associated with an element of this collection");
        m_entries.push_back({key, std::move(item)});
    }

    int Count() const { return static_cast<int>(m_entries.size()); }

    // 1-based, as the callers count.
    T &Item(int position) const { return *m_entries[checked(position)].item; }

    void Remove(int position) { m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(checked(position))); }

    class const_iterator {
    public:
        explicit const_iterator(typename std::vector<Entry>::const_iterator it) : m_it(it) {}
        T &operator*() const { return *m_it->item; }
        const_iterator &operator++() { ++m_it; return *this; }
        bool operator!=(const const_iterator &other) const { return m_it != other.m_it; }

    private:
        typename std::vector<Entry>::const_iterator m_it;
    };

    const_iterator begin() const { return const_iterator(m_entries.begin()); }
    const_iterator end() const { return const_iterator(m_entries.end()); }

private:
    std::size_t checked(int position) const
    {
        if (position < 1 || position > Count())
            throw Error(ErrSubscriptOutOfRange, "Subscript out of range");
        return static_cast<std::size_t>(position - 1);
    }

    std::vector<Entry> m_entries;
};

} // namespace toolkit
