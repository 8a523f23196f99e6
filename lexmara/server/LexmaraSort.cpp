// Array sorting.
#include "Arrays.h"
#include "Lexmara.h"

#include "../routines/Sort.h"

namespace lexmara::server {

namespace {

// One sort of the caller's array. A bound left out or given as -1 stands for the
// array's own; a variable given as -1 receives that bound.
HRESULT sortMember(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result, strings::Compare mode,
                   SortOrder order)
{
    return guarded(Lexmara::kSource, [&] {
        int16_t& status = server::result(result);
        LxSAFEARRAY* array = argument(strList);
        int32_t lo = optionalArgument(lLbound, -1), hi = optionalArgument(lUbound, -1);
        // An array without a dimension has no bounds to stand in for -1 and nothing to sort.
        const bool hasDimension = dimensioned(array, LX_VT_BSTR) != nullptr;
        if (!hasDimension && (lo == -1 || hi == -1 || lo < hi))
            raise(kSubscriptOutOfRange);
        StringElements elements;
        if (hasDimension)
            elements = {array->lLbound, elementsOf<LxBSTR>(array, LX_VT_BSTR)};
        status = sortRange(elements, lo, hi, mode, order);
        if (lLbound)
            *lLbound = lo;
        if (lUbound)
            *lUbound = hi;
    });
}

} // namespace

HRESULT Lexmara::SortArrayText(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result)
{
    return sortMember(strList, lLbound, lUbound, result, strings::Compare::Text, SortOrder::Ascending);
}

HRESULT Lexmara::SortArrayTextDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result)
{
    return sortMember(strList, lLbound, lUbound, result, strings::Compare::Text, SortOrder::Descending);
}

HRESULT Lexmara::SortArrayBinary(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result)
{
    return sortMember(strList, lLbound, lUbound, result, strings::Compare::Binary, SortOrder::Ascending);
}

HRESULT Lexmara::SortArrayBinaryDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result)
{
    return sortMember(strList, lLbound, lUbound, result, strings::Compare::Binary, SortOrder::Descending);
}

} // namespace lexmara::server
