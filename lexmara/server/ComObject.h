#pragma once
// What the library's objects share: reference counting (each live object holds the
// module, and the last Release destroys it) and the IUnknown and IDispatch slots.
#include "Boundary.h"
#include "ModuleLock.h"

#include "lexmara/Component.h"

#include <atomic>
#include <cstdint>

namespace lexmara::server {

class ReferenceCount {
public:
    ReferenceCount() noexcept { lockModule(); }
    ~ReferenceCount() { unlockModule(); }
    ReferenceCount(const ReferenceCount&) = delete;
    ReferenceCount& operator=(const ReferenceCount&) = delete;

    uint32_t add() noexcept { return count_.fetch_add(1) + 1; }
    uint32_t release() noexcept { return count_.fetch_sub(1) - 1; }

private:
    std::atomic<uint32_t> count_{1}; // the creator's reference
};

// Slots 0 to 6 of an object whose one interface is `Interface`. `Object` names the
// identifiers it answers besides IUnknown and IDispatch (`answers`) and the source of
// its errors (`kSource`). There is no type information: callers bind through the vtable.
template <typename Interface, typename Object>
class DispatchObject : public Interface {
public:
    HRESULT QueryInterface(const GUID& iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && !Object::answers(iid))
            return E_NOINTERFACE;
        AddRef();
        *object = static_cast<Interface*>(this);
        return S_OK;
    }

    uint32_t AddRef() override { return references_.add(); }

    uint32_t Release() override
    {
        const uint32_t left = references_.release();
        if (left == 0)
            delete static_cast<Object*>(this);
        return left;
    }

    HRESULT GetTypeInfoCount(uint32_t* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(uint32_t, uint32_t, LxTypeInfo**) override { return notImplemented(Object::kSource); }
    HRESULT GetIDsOfNames(const GUID&, char**, uint32_t, uint32_t, int32_t*) override
    {
        return notImplemented(Object::kSource);
    }
    HRESULT Invoke(int32_t, const GUID&, uint32_t, uint16_t, LxDispParams*, LxVARIANT*, LxExcepInfo*,
                   uint32_t*) override
    {
        return notImplemented(Object::kSource);
    }

protected:
    DispatchObject() = default;
    ~DispatchObject() = default;

private:
    ReferenceCount references_;
};

} // namespace lexmara::server
