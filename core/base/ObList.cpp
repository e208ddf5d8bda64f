#include "core/base/ObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

void CObList::AddTail(CObject* pObject) {
    m_items.push_back(pObject);
    if (m_pPositions) {
        m_pPositions->emplace(pObject, m_items.size());
    }
}

POSITION CObList::Find(const CObject* pObject) const {
    if (!m_pPositions) {
        m_pPositions = std::make_unique<std::unordered_map<const CObject*, POSITION>>();
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            m_pPositions->emplace(m_items[i], i + 1);
        }
    }
    const auto found = m_pPositions->find(pObject);
    return found == m_pPositions->end() ? 0 : found->second;
}

CObject* CObList::GetNext(POSITION& rPosition) const {
    CObject* pObject = m_items.at(rPosition - 1);
    rPosition = rPosition < m_items.size() ? rPosition + 1 : 0;
    return pObject;
}
