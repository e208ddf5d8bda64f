#include "framework/ObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

CObList::CObList(int nBlockSize) { m_items.reserve(nBlockSize > 0 ? nBlockSize : 0); }

void CObList::AddTail(CObject* pObject) { m_items.push_back(pObject); }

POSITION CObList::Find(const CObject* pObject) const {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == pObject) {
            return i + 1;
        }
    }
    return 0;
}

CObject* CObList::GetNext(POSITION& rPosition) const {
    CObject* pObject = m_items.at(rPosition - 1);
    rPosition = rPosition < m_items.size() ? rPosition + 1 : 0;
    return pObject;
}
