#pragma once
// The class factory of one creatable class. Both factories are static objects; a
// reference to one holds the module like an object does.
#include "Boundary.h"
#include "ModuleLock.h"

#include "lexmara/Component.h"

#include <new>

namespace lexmara::server {

template <class Object>
class ClassFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(const GUID& iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory)
            return E_NOINTERFACE;
        AddRef();
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    uint32_t AddRef() override
    {
        lockModule();
        return 2;
    }
    uint32_t Release() override
    {
        unlockModule();
        return 1;
    }

    HRESULT CreateInstance(IUnknown* outer, const GUID& iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        clearErrorRecord();
        if (outer)
            return CLASS_E_NOAGGREGATION;
        Object* created = nullptr;
        try {
            created = new Object;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        const HRESULT status = created->QueryInterface(iid, object);
        created->Release(); // the caller's reference, when it got one, remains
        return status;
    }
    HRESULT LockServer(int32_t lock) override
    {
        if (lock)
            lockModule();
        else
            unlockModule();
        return S_OK;
    }
};

} // namespace lexmara::server
