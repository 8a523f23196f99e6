// Edit routines.
#include "Lexmara.h"

#include "../routines/Edit.h"

namespace lexmara::server {

namespace {

strings::Compare comparisonFor(LxBOOL caseSensitive)
{
    return caseSensitive != LX_FALSE ? strings::Compare::Binary : strings::Compare::Text;
}

} // namespace

HRESULT Lexmara::ReplaceCharsFirst(LxBSTR* StrIn, LxBSTR* strSearchFor, LxBSTR* strReplace, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& replaced = server::result(result);
        replaced =
            newString(replaceCharsFirst(textArgument(StrIn), textArgument(strSearchFor), textArgument(strReplace)));
    });
}

HRESULT Lexmara::ReplaceCharsAll(LxBSTR* StrIn, LxBSTR* strSearchFor, LxBSTR* strReplace, LxBOOL* blnCaseSense,
                                 LxBOOL* blnWord, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& replaced = server::result(result);
        replaced = newString(replaceCharsAll(textArgument(StrIn), textArgument(strSearchFor), textArgument(strReplace),
                                             comparisonFor(optionalArgument(blnCaseSense, LX_TRUE)),
                                             optionalArgument(blnWord, LX_FALSE) != LX_FALSE));
    });
}

HRESULT Lexmara::InsertString(LxBSTR* StrIn, LxBSTR* strInsertion, int32_t* lngPosition, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& inserted = server::result(result);
        inserted = newString(insertString(textArgument(StrIn), textArgument(strInsertion), argument(lngPosition)));
    });
}

HRESULT Lexmara::DeleteString(LxBSTR* StrIn, int32_t pos, int32_t lLen, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& rest = server::result(result);
        rest = newString(deleteString(textArgument(StrIn), pos, lLen).value_or("Invalid Length or Position"));
    });
}

HRESULT Lexmara::DeDuplicate(LxBSTR* StrIn, LxBSTR* strChar, LxBOOL* blnCaseSense, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& reduced = server::result(result);
        reduced = newString(deDuplicate(textArgument(StrIn), textArgument(strChar),
                                        comparisonFor(optionalArgument(blnCaseSense, LX_FALSE))));
    });
}

HRESULT Lexmara::StringRepeat(LxBSTR* StrIn, int32_t* lngRepeat, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& repeated = server::result(result);
        const std::string text = stringRepeat(textArgument(StrIn), argument(lngRepeat));
        try {
            repeated = newString(text);
        } catch (const std::bad_alloc&) {
            throw repetitionTooLong(static_cast<int64_t>(text.size()));
        }
    });
}

HRESULT Lexmara::ConcatFast(LxBSTR* String1, LxBSTR String2)
{
    return guarded(kSource, [&] {
        LxBSTR& first = argument(String1);
        std::string storage;
        replaceString(first, concatFast(state_.ConcatBuffer, storage, lxView(first), lxView(String2)));
    });
}

} // namespace lexmara::server
