// Numbers in words, number bases and formats.
#include "Lexmara.h"

#include "../routines/Numbers.h"
#include "../routines/Variant.h"

namespace lexmara::server {

namespace {

void setText(LxVARIANT& target, std::string_view text)
{
    target.bstrVal = newString(text);
    target.vt = LX_VT_BSTR;
}

} // namespace

HRESULT Lexmara::NumericToWords(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& words = server::result(result);
        words = newString(numberTextInWords(textArgument(StrIn)));
    });
}

HRESULT Lexmara::NumericToWordsWithAND(LxCY* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& words = server::result(result);
        words = newString(currencyInWords(argument(StrIn).scaled));
    });
}

HRESULT Lexmara::FormatPhoneNumber(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& formatted = server::result(result);
        formatted = newString(formatPhoneNumber(textArgument(StrIn)));
    });
}

HRESULT Lexmara::FormatCreditCard(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& formatted = server::result(result);
        formatted = newString(formatCreditCard(textArgument(StrIn)));
    });
}

HRESULT Lexmara::Dec2Bin(LxVARIANT* Dec, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& binary = server::result(result);
        std::string storage;
        binary = newString(decimalToBinary(variantTextView(argument(Dec), storage)));
    });
}

HRESULT Lexmara::CalcBarcodeLUHN(LxVARIANT* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& barcode = server::result(result);
        std::string storage;
        barcode = newString(barcodeWithCheckDigit(variantTextView(argument(StrIn), storage)));
    });
}

HRESULT Lexmara::Hex2String(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& text = server::result(result);
        text = newString(hexToString(textArgument(StrIn)));
    });
}

HRESULT Lexmara::Hex2Dec(LxBSTR* StrIn, LxVARIANT* result)
{
    return guarded(kSource, [&] {
        LxVARIANT& value = server::result(result);
        if (const std::optional<int32_t> number = hexToLong(textArgument(StrIn))) {
            value.vt = LX_VT_I4;
            value.lVal = *number;
        } else {
            setText(value, "invalid");
        }
    });
}

HRESULT Lexmara::String2Hex(LxBSTR* StrIn, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& hex = server::result(result);
        hex = newString(stringToHex(textArgument(StrIn)));
    });
}

HRESULT Lexmara::PadAlignString(LxBSTR* StrIn, int32_t* lngLen, int16_t* intAlign, LxBSTR* PadChar, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& padded = server::result(result);
        const int16_t alignment = optionalArgument(intAlign, int16_t{0});
        const std::string_view pad = PadChar ? lxView(*PadChar) : " ";
        padded = newString(padAlign(textArgument(StrIn), argument(lngLen), alignment, pad));
    });
}

HRESULT Lexmara::IsLeapYear(LxVARIANT* varYear, LxBOOL* result)
{
    return guarded(kSource, [&] {
        LxBOOL& leap = server::result(result);
        leap = isLeapYear(variantNumber(argument(varYear))) ? LX_TRUE : LX_FALSE;
    });
}

HRESULT Lexmara::Bin2Dec(LxVARIANT* Bin, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& decimal = server::result(result);
        std::string storage;
        decimal = newString(binaryToDecimal(variantTextView(argument(Bin), storage)));
    });
}

HRESULT Lexmara::Dec2Hex(LxBSTR* StrIn, LxVARIANT* result)
{
    return guarded(kSource, [&] {
        LxVARIANT& value = server::result(result);
        setText(value, numberTextToHex(textArgument(StrIn)).value_or("Invalid or Overflow"));
    });
}

HRESULT Lexmara::GetOrdinal(int32_t* Number, LxBSTR* result)
{
    return guarded(kSource, [&] {
        LxBSTR& text = server::result(result);
        text = newString(ordinal(argument(Number)));
    });
}

} // namespace lexmara::server
