#pragma once
// The object base with run-time class records, through which objects are created by class.

#include <new>
#include <type_traits>

#include "core/base/Types.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();  // null when the class cannot be created by its record
    const CRuntimeClass* m_pBaseClass;

    // A new default-constructed object of the class, or null when it has no factory or the
    // allocation fails.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// The object as To when its class is To or derives from it, else null: a walk over class records
// by address, where dynamic_cast may compare type names (costly in the load's per-chunk paths).
template <typename To, typename From>
To* ClassCast(From* pObject) {
    return pObject && pObject->IsKindOf(std::remove_const_t<To>::ThisClass())
               ? static_cast<To*>(pObject)
               : nullptr;
}

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    static const CRuntimeClass* ThisClass() {     \
        return &class##class_name;                \
    }                                             \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                       \
    const CRuntimeClass class_name::class##class_name = {#class_name, pfnNew,             \
                                                         RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                            \
        return RUNTIME_CLASS(class_name);                                                 \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() {                \
        return new (std::nothrow) class_name;            \
    }                                                    \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)
