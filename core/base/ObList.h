#pragma once
// An ordered list of object pointers that it does not own.

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/base/Object.h"

// A place in a list: the index of an element plus one, so that null means "no element".
using POSITION = std::size_t;

class CObList : public CObject {
    DECLARE_DYNAMIC(CObList)
public:
    CObList() = default;

    void AddTail(CObject* pObject);
    POSITION Find(const CObject* pObject) const;
    POSITION GetHeadPosition() const { return m_items.empty() ? 0 : 1; }
    // The element at rPosition; rPosition moves on to the next one, or to null after the tail.
    CObject* GetNext(POSITION& rPosition) const;
    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    void RemoveAll() {
        m_items.clear();
        m_pPositions.reset();
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<CObject*> m_items;
    // Where each element stands first, so that Find does not walk a list of thousands of
    // chunks for every chunk added to it. Built by the first Find and kept from then on: a list
    // that is never searched (most chunks' lists) pays nothing for it, not even its room.
    mutable std::unique_ptr<std::unordered_map<const CObject*, POSITION>> m_pPositions;
};
