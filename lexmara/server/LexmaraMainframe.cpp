// Mainframe data conversions.
#include "Lexmara.h"

#include "../routines/Mainframe.h"

namespace lexmara::server {

HRESULT Lexmara::AsciiToEbcdic(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& translated = server::result(result);
        translated = newString(translateCodes(textArgument(StrIn), state_.AsciiToEbcdicTable));
    });
}

HRESULT Lexmara::EbcdicToAscii(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& translated = server::result(result);
        translated = newString(translateCodes(textArgument(StrIn), state_.EbcdicToAsciiTable));
    });
}

HRESULT Lexmara::PackedDecimalToString(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& number = server::result(result);
        number = newString(packedToString(textArgument(StrIn)));
    });
}

HRESULT Lexmara::StringToPackedDecimal(LxBSTR StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& packed = server::result(result);
        packed = newString(stringToPacked(lxView(StrIn)));
    });
}

HRESULT Lexmara::StringToPackedDecimalWithLen(LxBSTR StrIn, int16_t ByteLen, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& packed = server::result(result);
        packed = newString(stringToPackedWithLength(lxView(StrIn), ByteLen));
    });
}

HRESULT Lexmara::InstrPackedDecimal(int32_t* Field, LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& number = server::result(result);
        number = newString(packedFieldNumber(argument(Field), textArgument(StrIn)));
    });
}

HRESULT Lexmara::GetPackedDecimalPos(int32_t* Field, LxBSTR* StrIn, int16_t* result)
{
    return guarded(kSource, [&] {
        int16_t& position = server::result(result);
        position = packedFieldPosition(argument(Field), textArgument(StrIn));
    });
}

HRESULT Lexmara::PackedDecimalLen(int32_t* Start, LxBSTR* StrIn, int16_t* result)
{
    return guarded(kSource, [&] {
        int16_t& length = server::result(result);
        length = packedFieldLength(argument(Start), textArgument(StrIn));
    });
}

HRESULT Lexmara::ZonedDecimalToString(LxBSTR* Zoned, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& number = server::result(result);
        number = newString(zonedToString(textArgument(Zoned)));
    });
}

HRESULT Lexmara::StringToZonedDecimal(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& zoned = server::result(result);
        zoned = newString(stringToZoned(textArgument(StrIn)));
    });
}

HRESULT Lexmara::PICtoStringDecimal(int32_t* HalfByteDigitOffset, int16_t* PICLength, LxBSTR* PICData, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& number = server::result(result);
        number = newString(picToString(argument(HalfByteDigitOffset), argument(PICLength), textArgument(PICData)));
    });
}

} // namespace lexmara::server
