// The component frame: factories, interface identifiers, unloading, registration and
// the vtable's slot numbers, all through the library loaded with dlopen.
#include "ComponentHarness.h"

#include <fstream>
#include <sstream>

using namespace harness;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

// Calls slot `slot` of an object's vtable as a function of the given arguments: what
// a caller bound to the slot numbers does.
template <class... Args>
HRESULT callSlot(void* object, int slot, Args... args)
{
    using Function = HRESULT (*)(void*, Args...);
    void** vtable = *static_cast<void***>(object);
    return reinterpret_cast<Function>(vtable[slot])(object, args...);
}

template <class Interface>
ComPtr<Interface> create(const GUID& clsid, const GUID& iid)
{
    return createInstance<Interface>(clsid, iid).object;
}

TEST(Component, FactoriesServeBothClassesAndRefuseOthers)
{
    const ComponentLibrary& library = builtLibrary();
    for (const GUID& clsid : {CLSID_Lexmara, CLSID_cStringFast}) {
        void* factory = nullptr;
        ASSERT_EQ(library.getClassObject(clsid, IID_IClassFactory, &factory), S_OK);
        auto owner = ComPtr<IClassFactory>::adopt(static_cast<IClassFactory*>(factory));
        void* object = nullptr;
        EXPECT_EQ(owner->CreateInstance(nullptr, IID_IUnknown, &object), S_OK);
        static_cast<IUnknown*>(object)->Release();
        // Aggregation is refused.
        EXPECT_EQ(owner->CreateInstance(static_cast<IUnknown*>(object), IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
        EXPECT_EQ(object, nullptr);
        // An interface that the class lacks.
        EXPECT_EQ(owner->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    }
    void* factory = nullptr;
    EXPECT_EQ(library.getClassObject(IID__Lexmara, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
}

TEST(Component, EveryInterfaceIdentifierGivesTheSameObject)
{
    const auto lexmara = create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
    std::vector<GUID> iids(kEarlierLexmaraIids.begin(), kEarlierLexmaraIids.end());
    iids.insert(iids.end(), {IID__Lexmara, IID_IDispatch, IID_IUnknown});
    for (const GUID& iid : iids) {
        SCOPED_TRACE(formatGuid(iid));
        void* same = nullptr;
        ASSERT_EQ(lexmara->QueryInterface(iid, &same), S_OK);
        EXPECT_EQ(same, lexmara.get());
        static_cast<IUnknown*>(same)->Release();
    }
    void* other = nullptr;
    EXPECT_EQ(lexmara->QueryInterface(IID__cStringFast, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
}

TEST(Component, CanUnloadOnlyWithoutObjectsAndLocks)
{
    const ComponentLibrary& library = builtLibrary();
    EXPECT_EQ(library.canUnloadNow(), S_OK);
    {
        const auto lexmara = create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
        EXPECT_EQ(library.canUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(library.canUnloadNow(), S_OK);
    void* factory = nullptr;
    ASSERT_EQ(library.getClassObject(CLSID_cStringFast, IID_IClassFactory, &factory), S_OK);
    auto* classFactory = static_cast<IClassFactory*>(factory);
    EXPECT_EQ(classFactory->LockServer(1), S_OK);
    classFactory->Release();
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);
    EXPECT_EQ(classFactory->LockServer(0), S_OK);
    EXPECT_EQ(library.canUnloadNow(), S_OK);
}

TEST(Component, RegisterThenUnregisterLeavesTheRegistryAsItWas)
{
    const TemporaryFolder folder;
    const std::string path = folder.file("config/registry.ini");
    const RegistryOverride override(path);
    updateRegistryFile(path, [](Registry& registry) {
        registry.setValue("CLSID\\{00000000-1111-2222-3333-444444444444}", "@", "Someone else");
        registry.setValue("Other.Program\\CLSID", "@", "{00000000-1111-2222-3333-444444444444}");
    });
    const std::string before = readFile(path);

    const ComponentLibrary& library = builtLibrary();
    ASSERT_EQ(library.registerServer(), S_OK);
    const Registry registered = readRegistryFile(path);
    const std::string lexmaraKey = "CLSID\\" + formatGuid(CLSID_Lexmara);
    EXPECT_EQ(registered.value(lexmaraKey + "\\InprocServer32"), builtLibraryPath());
    EXPECT_EQ(registered.value(lexmaraKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(registered.value(lexmaraKey + "\\ProgID"), "L_Lexmara.Lexmara");
    EXPECT_EQ(registered.value("L_Lexmara.cStringFast\\CLSID"), formatGuid(CLSID_cStringFast));
    EXPECT_EQ(registered.value("TypeLib\\{976F1A26-0B35-11D4-AA43-00201834762B}\\4.17"),
              "Lexmara - String Manipulation Routines");
    for (const GUID& iid : kEarlierLexmaraIids)
        EXPECT_TRUE(registered.value("Interface\\" + formatGuid(iid))) << formatGuid(iid);
    EXPECT_EQ(registered.value("CLSID\\{00000000-1111-2222-3333-444444444444}"), "Someone else");
    // A class registered in this file can be created from it.
    EXPECT_TRUE(create<_cStringFast>(CLSID_cStringFast, IID__cStringFast));

    ASSERT_EQ(library.unregisterServer(), S_OK);
    EXPECT_EQ(readFile(path), before);
}

TEST(Component, ARegistryThatCannotBeWrittenFailsWithADescription)
{
    const TemporaryFolder folder;
    std::ofstream(folder.file("plain-file")) << "not a folder";
    const RegistryOverride override(folder.file("plain-file/registry.ini"));
    const ComponentLibrary& library = builtLibrary();
    const HRESULT status = library.registerServer();
    ASSERT_TRUE(failed(status));
    const ErrorInfo error = library.errorFor(status);
    EXPECT_EQ(error.number, 75);
    EXPECT_NE(error.description.find("plain-file"), std::string::npos) << error.description;
}

TEST(Component, AnUnregisteredClassCannotBeCreated)
{
    const TemporaryFolder folder;
    const RegistryOverride override(folder.file("empty.ini"));
    try {
        create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
        FAIL() << "created without registration";
    } catch (const ComponentError& e) {
        EXPECT_EQ(e.info().number, 429);
        EXPECT_NE(e.info().description.find("not registered"), std::string::npos) << e.info().description;
    }
}

TEST(Component, MembersStandInTheirSlots)
{
    const auto lexmara = create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
    const ComponentLibrary& library = builtLibrary();
    void* object = lexmara.get();
    BString text(library, "a,b,c"), comma(library, ","), result(library);

    int32_t position = 2;
    ASSERT_EQ(callSlot(object, 13, text.ref(), &position, comma.ref(), result.ref()), S_OK);
    EXPECT_EQ(result.str(), "b");
    BString stripped(library);
    ASSERT_EQ(callSlot(object, 14, text.ref(), comma.ref(), stripped.ref()), S_OK);
    EXPECT_EQ(stripped.str(), "abc");
    int32_t count = 0;
    ASSERT_EQ(callSlot(object, 32, text.ref(), comma.ref(), &count), S_OK);
    EXPECT_EQ(count, 2);
    BString key(library, "k"), cipher(library);
    ASSERT_EQ(callSlot(object, 59, text.get(), key.ref(), cipher.ref()), S_OK);
    Variant plain(library);
    ASSERT_EQ(callSlot(object, 60, cipher.get(), key.ref(), plain.get()), S_OK);
    EXPECT_EQ(lxView(plain.value().bstrVal), "a,b,c");
    BString quote(library, "!"), field(library);
    ASSERT_EQ(callSlot(object, 86, text.ref(), &position, comma.ref(), quote.ref(), field.ref()), S_OK);
    EXPECT_EQ(field.str(), "b");

    // The slots without a member.
    for (const int slot : {7, 8, 79}) {
        EXPECT_EQ(callSlot(object, slot), E_NOTIMPL) << slot;
        EXPECT_EQ(library.errorFor(E_NOTIMPL).number, 445);
    }
}

TEST(Component, DispatchSlotsOfferNoTypeInformation)
{
    const auto lexmara = create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
    uint32_t count = 7;
    EXPECT_EQ(lexmara->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(lexmara->GetIDsOfNames(IID_IUnknown, nullptr, 0, 1033, nullptr), E_NOTIMPL);
    EXPECT_EQ(lexmara->Invoke(1, IID_IUnknown, 1033, 1, nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
}

TEST(Component, HiddenTextMemberLeavesItsArgument)
{
    const auto lexmara = create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
    BString value(builtLibrary(), "unchanged");
    EXPECT_EQ(lexmara->text(value.ref()), S_OK);
    EXPECT_EQ(value.str(), "unchanged");
}

TEST(Component, AFailureLeavesNumberSourceAndDescription)
{
    const auto lexmara = create<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
    const ComponentLibrary& library = builtLibrary();
    Variant text = Variant::text(library, "a]b[c"), open = Variant::text(library, "["),
            close = Variant::text(library, "]");
    BString result(library);
    const HRESULT status = lexmara->Pluck(text.get(), open.get(), close.get(), result.ref());
    EXPECT_EQ(static_cast<uint32_t>(status), 0x800A0005u);
    const ErrorInfo error = library.errorFor(status);
    EXPECT_EQ(error.number, 5);
    EXPECT_EQ(error.source, "L_Lexmara.Lexmara");
    EXPECT_EQ(error.description, "Invalid procedure call or argument");
    // The record is handed over once.
    EXPECT_EQ(library.errorFor(status).source, "lexmara");
    // A null result pointer is refused without a crash.
    EXPECT_EQ(lexmara->Pluck(text.get(), open.get(), close.get(), nullptr), E_POINTER);
}

TEST(Component, StringFastThroughItsSlots)
{
    const auto builder = create<_cStringFast>(CLSID_cStringFast, IID__cStringFast);
    const ComponentLibrary& library = builtLibrary();
    void* object = builder.get();
    int32_t length = -1;
    ASSERT_EQ(callSlot(object, 11, &length), S_OK);
    EXPECT_EQ(length, 0);

    BString ab(library, "ab"), cd(library, "cd");
    ASSERT_EQ(callSlot(object, 7, ab.get()), S_OK);
    ASSERT_EQ(callSlot(object, 7, cd.get()), S_OK);
    BString value(library);
    ASSERT_EQ(callSlot(object, 8, value.ref()), S_OK);
    EXPECT_EQ(value.str(), "abcd");

    const std::string long5000(5000, 'x');
    BString written(library, long5000);
    ASSERT_EQ(callSlot(object, 9, written.ref()), S_OK);
    BString x(library, "y");
    ASSERT_EQ(builder->Concat(x.get()), S_OK);
    BString after(library);
    ASSERT_EQ(builder->get_Value(after.ref()), S_OK);
    EXPECT_EQ(after.str(), long5000 + "y");

    ASSERT_EQ(callSlot(object, 10), S_OK);
    ASSERT_EQ(builder->get_Length(&length), S_OK);
    EXPECT_EQ(length, 0);
}

} // namespace
