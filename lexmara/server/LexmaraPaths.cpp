// Path, system and random routines.
#include "Lexmara.h"

#include "../routines/Paths.h"
#include "../routines/RandomText.h"

namespace lexmara::server {

namespace {

// What the platform answers when the statement interpreter's library is missing; no
// interpreter of that language exists here.
constexpr int kFileNotFound = 53;

} // namespace

HRESULT Lexmara::AddBackSlash(LxBSTR* l_StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& path = server::result(result);
        path = newString(addBackSlash(textArgument(l_StrIn)));
    });
}

HRESULT Lexmara::DeBackSlash(LxBSTR* l_StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& path = server::result(result);
        path = newString(deBackSlash(textArgument(l_StrIn)));
    });
}

HRESULT Lexmara::GetWinDir(LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& folder = server::result(result);
        folder = newString(configuredFolder(kWindowsFolderVariable));
    });
}

HRESULT Lexmara::GetSysDir(LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& folder = server::result(result);
        folder = newString(configuredFolder(kSystemFolderVariable));
    });
}

HRESULT Lexmara::GetTempFile(LxBSTR* Prefix, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& path = server::result(result);
        path = newString(createTemporaryFile(textArgument(Prefix)));
    });
}

HRESULT Lexmara::IsFile(LxBSTR* Filename, LxBOOL* result)
{
    return guarded(kSource, [&] {
        LxBOOL& found = server::result(result);
        found = fileExists(textArgument(Filename)) ? LX_TRUE : LX_FALSE;
    });
}

HRESULT Lexmara::GetRandomAlphaNumerics(int16_t* strLen, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& text = server::result(result);
        text = newString(randomAlphaNumerics(argument(strLen)));
    });
}

HRESULT Lexmara::GetRandomAlpha(int16_t* strLen, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& text = server::result(result);
        text = newString(randomAlpha(argument(strLen)));
    });
}

HRESULT Lexmara::GetRandomNumerics(int16_t* strLen, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& text = server::result(result);
        text = newString(randomNumerics(argument(strLen)));
    });
}

HRESULT Lexmara::StringExecuteVB6(LxBSTR* /*VB6Statement*/, LxBOOL* /*ValidateDontExecute*/, LxBOOL* result)
{
    return guarded(kSource, [&] {
        server::result(result);
        // Checking a statement needs the interpreter as much as executing it does.
        throw VbError(kFileNotFound, "", "File not found: vba6.dll");
    });
}

} // namespace lexmara::server
