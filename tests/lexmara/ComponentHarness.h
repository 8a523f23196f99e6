#pragma once
// Helpers of the component tests: the library of this build, objects created through
// the registry file that ctest registered it in (LEXMARA_REGISTRY), and the outcome of
// a call through the vtable as a value that a table can hold.
#include <lexmara/Client.h>
#include <lexmara/Interfaces.h>
#include <lexmara/Registry.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace harness {

using namespace lexmara;

// The liblexmara.so of this build, which lies beside the test programs.
inline std::string builtLibraryPath()
{
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / "liblexmara.so").string();
}

inline const ComponentLibrary& builtLibrary() { return ComponentLibrary::open(builtLibraryPath()); }

// The error number of a failing call.
struct Error {
    int number;
    friend bool operator==(const Error&, const Error&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Error& error) { return out << "error " << error.number; }
};

// What a member gave: its result, or the error of its failure.
template <class Result>
using Outcome = std::variant<Result, Error>;

// The outcome of `call`, a call whose status carries the result written into `out`.
template <class Result, class Call>
Outcome<Result> outcome(const ComponentLibrary& library, Call&& call)
{
    if constexpr (std::is_same_v<Result, std::string>) {
        BString out(library);
        const HRESULT status = call(out.ref());
        if (failed(status))
            return Error{library.errorFor(status).number};
        return out.str();
    } else {
        Result out{};
        const HRESULT status = call(&out);
        if (failed(status))
            return Error{library.errorFor(status).number};
        return out;
    }
}

// A Lexmara object created the way the program creates it.
class LexmaraTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto instance = createInstance<_Lexmara>(CLSID_Lexmara, IID__Lexmara);
        library_ = instance.library;
        lexmara_ = std::move(instance.object);
    }

    const ComponentLibrary& library() const { return *library_; }
    _Lexmara* lexmara() const { return lexmara_.get(); }
    BString text(std::string_view value) const { return BString(*library_, value); }
    Variant variant(std::string_view value) const { return Variant::text(*library_, value); }

    template <class Result, class Call>
    Outcome<Result> call(Call&& member) const
    {
        return outcome<Result>(*library_, std::forward<Call>(member));
    }

private:
    const ComponentLibrary* library_ = nullptr;
    ComPtr<_Lexmara> lexmara_;
};

// Points LEXMARA_REGISTRY at another file for the life of the object.
class RegistryOverride {
public:
    explicit RegistryOverride(const std::string& path)
    {
        if (const char* old = std::getenv(kRegistryVariable))
            previous_ = old;
        setenv(kRegistryVariable, path.c_str(), 1);
    }
    ~RegistryOverride()
    {
        if (previous_)
            setenv(kRegistryVariable, previous_->c_str(), 1);
        else
            unsetenv(kRegistryVariable);
    }

private:
    std::optional<std::string> previous_;
};

// A fresh folder, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lexmara-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A one-dimensional array of library strings (LxBSTR) or of variants holding them
// (LxVARIANT), passed by reference to the members that take arrays; it frees whatever
// its elements hold at the end.
template <class Element>
class TextArray {
public:
    TextArray(const ComponentLibrary& library, int32_t lowerBound, const std::vector<std::string>& values)
        : library_(&library), elements_(values.size())
    {
        for (size_t i = 0; i < values.size(); ++i)
            assign(elements_[i], values[i]);
        array_ = {1, kElementType, lowerBound, static_cast<uint32_t>(elements_.size()), elements_.data()};
    }
    ~TextArray()
    {
        for (Element& element : elements_)
            release(element);
    }
    TextArray(const TextArray&) = delete;
    TextArray& operator=(const TextArray&) = delete;

    LxSAFEARRAY** ref()
    {
        pointer_ = &array_;
        return &pointer_;
    }
    std::vector<std::string> values() const
    {
        std::vector<std::string> values;
        for (const Element& element : elements_)
            values.emplace_back(view(element));
        return values;
    }

private:
    static constexpr LxVarType kElementType = std::is_same_v<Element, LxBSTR> ? LX_VT_BSTR : LX_VT_VARIANT;

    void assign(LxBSTR& element, const std::string& value) const
    {
        element = value.empty() ? nullptr : library_->allocString(value);
    }
    void assign(LxVARIANT& element, const std::string& value) const
    {
        element = LxVARIANT{};
        element.vt = LX_VT_BSTR;
        assign(element.bstrVal, value);
    }
    void release(LxBSTR element) const { library_->freeString(element); }
    void release(LxVARIANT& element) const
    {
        if (element.vt == LX_VT_BSTR)
            library_->freeString(element.bstrVal);
    }
    static std::string_view view(LxBSTR element) { return lxView(element); }
    static std::string_view view(const LxVARIANT& element)
    {
        return element.vt == LX_VT_BSTR ? lxView(element.bstrVal) : std::string_view("(not a string)");
    }

    const ComponentLibrary* library_;
    std::vector<Element> elements_;
    LxSAFEARRAY array_{};
    LxSAFEARRAY* pointer_ = nullptr;
};

using StringArray = TextArray<LxBSTR>;
using VariantArray = TextArray<LxVARIANT>;

} // namespace harness
