#include "Arrays.h"

#include "../routines/VbError.h"

namespace lexmara::server {

const LxSAFEARRAY* dimensioned(const LxSAFEARRAY* array, LxVarType elementType)
{
    if (!array || array->cDims == 0)
        return nullptr;
    if (array->cDims != 1 || array->vt != elementType || (array->cElements != 0 && !array->pvData))
        raise(kTypeMismatch);
    return array;
}

template <class Element>
std::span<Element> elementsOf(LxSAFEARRAY* array, LxVarType elementType)
{
    if (!dimensioned(array, elementType))
        raise(kSubscriptOutOfRange);
    return std::span<Element>(static_cast<Element*>(array->pvData), array->cElements);
}

template std::span<LxBSTR> elementsOf<LxBSTR>(LxSAFEARRAY*, LxVarType);
template std::span<LxVARIANT> elementsOf<LxVARIANT>(LxSAFEARRAY*, LxVarType);

} // namespace lexmara::server
