// The string cipher.
#include "Lexmara.h"

#include "../routines/Cipher.h"

namespace lexmara::server {

HRESULT Lexmara::StringEncrypt(LxBSTR StrIn, LxBSTR* strKey, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& cipher = server::result(result);
        if (!strKey || lxStringLength(*strKey) == 0) {
            // An empty key gets a random one, which the caller needs to decipher; a key
            // left out has no variable to receive it.
            const std::string made = makeRandomKey();
            cipher = newString(stringEncrypt(lxView(StrIn), made));
            if (strKey)
                replaceString(*strKey, made);
            return;
        }
        cipher = newString(stringEncrypt(lxView(StrIn), lxView(*strKey)));
    });
}

HRESULT Lexmara::StringDecrypt(LxBSTR StrIn, LxBSTR* strKey, LxVARIANT* result)
{
    return guarded(kSource, [&] {
        LxVARIANT& plain = server::result(result);
        LxBSTR text = newString(stringDecrypt(lxView(StrIn), textArgument(strKey)));
        plain.vt = LX_VT_BSTR;
        plain.bstrVal = text;
    });
}

} // namespace lexmara::server
