#pragma once
// The registry's prototypes, one for each kind of the list that has a class, in the list's order.

#include <initializer_list>
#include <memory>
#include <vector>

#include "core/base/Object.h"

class CChunk;

class CKindPrototypes {
public:
    // faceClasses: the classes a program makes of the kinds instead of the core's (the window's
    // chunk classes with their pages); a kind whose class none of them derives from keeps its own.
    explicit CKindPrototypes(std::initializer_list<const CRuntimeClass*> faceClasses = {});
    ~CKindPrototypes();
    CKindPrototypes(const CKindPrototypes&) = delete;
    CKindPrototypes& operator=(const CKindPrototypes&) = delete;

private:
    std::vector<std::unique_ptr<CChunk>> m_prototypes;
};
