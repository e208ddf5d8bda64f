#include "core/base/ObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

CObList::CObList(int nBlockSize) { m_items.reserve(nBlockSize > 0 ? nBlockSize : 0); }

void CObList::AddTail(CObject* pObject) {
    m_items.push_back(pObject);
    m_positions.emplace(pObject, m_items.size());
}

POSITION CObList::Find(const CObject* pObject) const {
    const auto found = m_positions.find(pObject);
    return found == m_positions.end() ? 0 : found->second;
}

CObject* CObList::GetNext(POSITION& rPosition) const {
    CObject* pObject = m_items.at(rPosition - 1);
    rPosition = rPosition < m_items.size() ? rPosition + 1 : 0;
    return pObject;
}
