#pragma once
// The two classes of the string library: their identifiers and their interfaces in
// slot order. Every member returns a status; its result comes back through the last,
// out-only parameter. Arguments are by reference (pointers) unless the interface takes
// them by value. An optional argument may be passed as a null pointer for its default.
#include "lexmara/Automation.h"
#include "lexmara/Component.h"

#include <array>

namespace lexmara {

inline constexpr GUID LIBID_L_Lexmara{0x976F1A26, 0x0B35, 0x11D4, {0xAA, 0x43, 0x00, 0x20, 0x18, 0x34, 0x76, 0x2B}};
inline constexpr GUID CLSID_Lexmara{0x481955A5, 0x2071, 0x11D4, {0xAA, 0x43, 0x00, 0x20, 0x18, 0x34, 0x76, 0x2B}};
inline constexpr GUID IID__Lexmara{0x41D3EE2A, 0xF3A3, 0x4A41, {0x9B, 0x0C, 0x8E, 0x7D, 0xD5, 0xA9, 0xF9, 0xFA}};
inline constexpr GUID CLSID_cStringFast{0x020ACFB8, 0xD071, 0x4C0B, {0x83, 0x20, 0xD0, 0x3B, 0x68, 0x6B, 0x62, 0x36}};
inline constexpr GUID IID__cStringFast{0xC00FBDE0, 0xA20F, 0x4771, {0x93, 0xC6, 0xA1, 0x26, 0xB1, 0x5B, 0xA6, 0x39}};

inline constexpr const char* kProgIdLexmara = "L_Lexmara.Lexmara";
inline constexpr const char* kProgIdStringFast = "L_Lexmara.cStringFast";

// The identifiers of versions 1.0 to 1.16 of `_Lexmara`; an object answers each of
// them with the current interface, so callers built against an older version still bind.
inline constexpr std::array<GUID, 17> kEarlierLexmaraIids{{
    {0x481955A4, 0x2071, 0x11D4, {0xAA, 0x43, 0x00, 0x20, 0x18, 0x34, 0x76, 0x2B}},
    {0x7A4FCD59, 0x5503, 0x11D4, {0xB2, 0xF1, 0x00, 0x20, 0x18, 0x34, 0x76, 0x2B}},
    {0x12A3B04F, 0x5C0B, 0x11D4, {0xB2, 0xF1, 0x00, 0x20, 0x18, 0x34, 0x76, 0x2B}},
    {0x6408D585, 0x5C26, 0x11D4, {0xB2, 0xF1, 0x00, 0x20, 0x18, 0x34, 0x76, 0x2B}},
    {0x061152E1, 0x0382, 0x4760, {0x89, 0xCD, 0x88, 0x04, 0xA5, 0xDB, 0xB3, 0x39}},
    {0x67933AEB, 0xF1BC, 0x4177, {0x81, 0xF6, 0x72, 0x29, 0x4E, 0x25, 0x46, 0x8B}},
    {0x39A81350, 0xC134, 0x413E, {0xAC, 0x88, 0xCE, 0xA2, 0x60, 0xFB, 0xB8, 0xE8}},
    {0x0B1323B7, 0x5627, 0x4D98, {0xA3, 0x4F, 0x34, 0x3C, 0x29, 0xB8, 0xE2, 0x03}},
    {0x373FBE8D, 0xCA22, 0x454A, {0xA9, 0xE6, 0x8E, 0x6B, 0xD0, 0xA2, 0x99, 0x08}},
    {0xFD7485E7, 0x6F0B, 0x498C, {0x9C, 0x49, 0x7F, 0x4E, 0xC0, 0x81, 0x4E, 0x4E}},
    {0xECBB2C01, 0x16D8, 0x42D6, {0x8C, 0x95, 0x13, 0x07, 0x7F, 0xA6, 0x9B, 0xE2}},
    {0xCF0F7767, 0x4694, 0x4CFA, {0xBC, 0x42, 0xD3, 0x31, 0xB3, 0xA8, 0x08, 0x67}},
    {0x98456C03, 0xB90E, 0x4F60, {0x91, 0x3C, 0xB0, 0x7A, 0x5B, 0x6C, 0xC2, 0x13}},
    {0x7D37C249, 0x8105, 0x4A35, {0xBE, 0x47, 0x27, 0x59, 0xBB, 0x6E, 0x42, 0xD0}},
    {0x3CF56E77, 0x946D, 0x4877, {0x84, 0xA5, 0x49, 0xCB, 0xEB, 0xB1, 0xEB, 0x7E}},
    {0x8BC4445F, 0x3F83, 0x40C9, {0x9B, 0xFB, 0xAE, 0x57, 0x18, 0xDC, 0x8D, 0x0C}},
    {0xADD2BC39, 0x4CC2, 0x4240, {0xA1, 0x8C, 0x29, 0xAC, 0xE1, 0xF9, 0x18, 0x3B}},
}};

// The string routine library. Slots 7, 8 and 79 hold no member; their placeholders
// answer E_NOTIMPL so that every later member keeps its slot number.
class _Lexmara : public IDispatch {
public:
    virtual HRESULT Reserved7() = 0;
    virtual HRESULT Reserved8() = 0;
    virtual HRESULT AddBackSlash(LxBSTR* l_StrIn, LxBSTR* result) = 0; // 9
    virtual HRESULT DeBackSlash(LxBSTR* l_StrIn, LxBSTR* result) = 0;  // 10
    virtual HRESULT ReplaceCharsFirst(LxBSTR* StrIn, LxBSTR* strSearchFor, LxBSTR* strReplace,
                                      LxBSTR* result) = 0; // 11
    virtual HRESULT ReplaceCharsAll(LxBSTR* StrIn, LxBSTR* strSearchFor, LxBSTR* strReplace, LxBOOL* blnCaseSense,
                                    LxBOOL* blnWord, LxBSTR* result) = 0; // 12
    virtual HRESULT GetDelimited(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* strDelimiter,
                                 LxBSTR* result) = 0;                                       // 13
    virtual HRESULT StripCharacter(LxBSTR* StrIn, LxBSTR* strStrip, LxBSTR* result) = 0;    // 14
    virtual HRESULT StripString(LxBSTR* StrIn, LxBSTR* strStrip, LxBSTR* result) = 0;       // 15
    virtual HRESULT StripCharList(LxBSTR* StrIn, LxBSTR* strStripList, LxBSTR* result) = 0; // 16
    virtual HRESULT WordCount(LxBSTR* StrIn, int32_t* result) = 0;                          // 17
    virtual HRESULT WordPos(LxBSTR* StrIn, int32_t* intWordNo, int32_t* result) = 0;        // 18
    virtual HRESULT WordPosLen(LxBSTR* StrIn, int32_t* intWordNo, int16_t* result) = 0;     // 19
    virtual HRESULT InsertString(LxBSTR* StrIn, LxBSTR* strInsertion, int32_t* lngPosition,
                                 LxBSTR* result) = 0;                       // 20
    virtual HRESULT NumericToWords(LxBSTR* StrIn, LxBSTR* result) = 0;      // 21
    virtual HRESULT NumericToWordsWithAND(LxCY* StrIn, LxBSTR* result) = 0; // 22
    virtual HRESULT TrimUnprintable(LxBSTR* StrIn, LxBSTR* result) = 0;     // 23
    virtual HRESULT AsciiToEbcdic(LxBSTR* StrIn, LxBSTR* result) = 0;       // 24
    virtual HRESULT EbcdicToAscii(LxBSTR* StrIn, LxBSTR* result) = 0;       // 25
    virtual HRESULT SortArrayText(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                  int16_t* result) = 0; // 26
    virtual HRESULT SortArrayTextDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                            int16_t* result) = 0; // 27
    virtual HRESULT SortArrayBinary(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                    int16_t* result) = 0; // 28
    virtual HRESULT SortArrayBinaryDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                              int16_t* result) = 0; // 29
    virtual HRESULT LastInstr(LxBSTR* StrIn, LxBSTR* strInstr, LxVARIANT* Start, LxBOOL* MatchCase,
                              int32_t* result) = 0;                                            // 30
    virtual HRESULT IsAlphaNumeric(LxBSTR* StrIn, LxBOOL* result) = 0;                         // 31
    virtual HRESULT ItemCount(LxBSTR* l_StrIn, LxBSTR* l_strItemToCount, int32_t* result) = 0; // 32
    virtual HRESULT Pluck(LxVARIANT* strInput, LxVARIANT* strDelim1, LxVARIANT* strDelim2,
                          LxBSTR* result) = 0;                                                        // 33
    virtual HRESULT PackedDecimalToString(LxBSTR* StrIn, LxBSTR* result) = 0;                         // 34
    virtual HRESULT StringToPackedDecimal(LxBSTR StrIn, LxBSTR* result) = 0;                          // 35
    virtual HRESULT FormatPhoneNumber(LxBSTR* StrIn, LxBSTR* result) = 0;                             // 36
    virtual HRESULT FormatCreditCard(LxBSTR* StrIn, LxBSTR* result) = 0;                              // 37
    virtual HRESULT FilterString(LxBSTR* StrIn, LxBSTR* ValidChars, LxBSTR* result) = 0;              // 38
    virtual HRESULT FilterNumber(LxBSTR* text, LxBOOL* TrimZeroes, LxBSTR* result) = 0;               // 39
    virtual HRESULT Dec2Bin(LxVARIANT* Dec, LxBSTR* result) = 0;                                      // 40
    virtual HRESULT CalcBarcodeLUHN(LxVARIANT* StrIn, LxBSTR* result) = 0;                            // 41
    virtual HRESULT Hex2String(LxBSTR* StrIn, LxBSTR* result) = 0;                                    // 42
    virtual HRESULT Hex2Dec(LxBSTR* StrIn, LxVARIANT* result) = 0;                                    // 43
    virtual HRESULT String2Hex(LxBSTR* StrIn, LxBSTR* result) = 0;                                    // 44
    virtual HRESULT DeleteString(LxBSTR* StrIn, int32_t pos, int32_t lLen, LxBSTR* result) = 0;       // 45
    virtual HRESULT NumMatches(LxBSTR StrIn, LxBSTR Match, LxVARIANT* iCompare, int32_t* result) = 0; // 46
    virtual HRESULT PadAlignString(LxBSTR* StrIn, int32_t* lngLen, int16_t* intAlign, LxBSTR* PadChar,
                                   LxBSTR* result) = 0;              // 47
    virtual HRESULT ProperCase(LxBSTR StrIn, LxBSTR* result) = 0;    // 48
    virtual HRESULT IsPostcodeUK(LxBSTR* StrIn, LxBOOL* result) = 0; // 49
    virtual HRESULT InstrWord(LxVARIANT* Start, LxBSTR* String1, LxBSTR* String2, LxBOOL* MatchCase,
                              int32_t* result) = 0; // 50
    virtual HRESULT InstrNotInList(LxVARIANT* Start, LxBSTR* String1, LxBSTR* strCharList,
                                   int32_t* result) = 0; // 51
    virtual HRESULT InstrNotInListRev(LxBSTR* String1, LxBSTR* strCharList, int32_t* Start,
                                      int32_t* result) = 0; // 52
    virtual HRESULT InstrWordRev(LxBSTR* String1, LxBSTR* String2, LxVARIANT* Start, LxBOOL* MatchCase,
                                 int32_t* result) = 0;                                                     // 53
    virtual HRESULT IsLeapYear(LxVARIANT* varYear, LxBOOL* result) = 0;                                    // 54
    virtual HRESULT DeDuplicate(LxBSTR* StrIn, LxBSTR* strChar, LxBOOL* blnCaseSense, LxBSTR* result) = 0; // 55
    virtual HRESULT StringRepeat(LxBSTR* StrIn, int32_t* lngRepeat, LxBSTR* result) = 0;                   // 56
    virtual HRESULT WordWrap(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen,
                             int32_t* result) = 0;                                      // 57
    virtual HRESULT Word(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* result) = 0;      // 58
    virtual HRESULT StringEncrypt(LxBSTR StrIn, LxBSTR* strKey, LxBSTR* result) = 0;    // 59
    virtual HRESULT StringDecrypt(LxBSTR StrIn, LxBSTR* strKey, LxVARIANT* result) = 0; // 60
    virtual HRESULT WordDelete(LxBSTR* StrIn, int32_t WordNum, LxBOOL* RemoveDoubleBlanks,
                               LxBSTR* result) = 0;                                        // 61
    virtual HRESULT WordFind(LxBSTR* StrIn, LxBSTR strWord, int32_t* result) = 0;          // 62
    virtual HRESULT Bin2Dec(LxVARIANT* Bin, LxBSTR* result) = 0;                           // 63
    virtual HRESULT InstrPackedDecimal(int32_t* Field, LxBSTR* StrIn, LxBSTR* result) = 0; // 64
    virtual HRESULT Dec2Hex(LxBSTR* StrIn, LxVARIANT* result) = 0;                         // 65
    virtual HRESULT WordWrapVar(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen,
                                int32_t* result) = 0;                                                // 66
    virtual HRESULT GetWinDir(LxBSTR* result) = 0;                                                   // 67
    virtual HRESULT GetSysDir(LxBSTR* result) = 0;                                                   // 68
    virtual HRESULT GetTempFile(LxBSTR* Prefix, LxBSTR* result) = 0;                                 // 69
    virtual HRESULT GetPackedDecimalPos(int32_t* Field, LxBSTR* StrIn, int16_t* result) = 0;         // 70
    virtual HRESULT PackedDecimalLen(int32_t* Start, LxBSTR* StrIn, int16_t* result) = 0;            // 71
    virtual HRESULT ZonedDecimalToString(LxBSTR* Zoned, LxBSTR* result) = 0;                         // 72
    virtual HRESULT StringToZonedDecimal(LxBSTR* StrIn, LxBSTR* result) = 0;                         // 73
    virtual HRESULT IsFile(LxBSTR* Filename, LxBOOL* result) = 0;                                    // 74
    virtual HRESULT GetRandomAlphaNumerics(int16_t* strLen, LxBSTR* result) = 0;                     // 75
    virtual HRESULT GetRandomAlpha(int16_t* strLen, LxBSTR* result) = 0;                             // 76
    virtual HRESULT GetRandomNumerics(int16_t* strLen, LxBSTR* result) = 0;                          // 77
    virtual HRESULT StringToPackedDecimalWithLen(LxBSTR StrIn, int16_t ByteLen, LxBSTR* result) = 0; // 78
    virtual HRESULT Reserved79() = 0;                                                                // 79
    virtual HRESULT StringExecuteVB6(LxBSTR* VB6Statement, LxBOOL* ValidateDontExecute,
                                     LxBOOL* result) = 0; // 80
    virtual HRESULT PICtoStringDecimal(int32_t* HalfByteDigitOffset, int16_t* PICLength, LxBSTR* PICData,
                                       LxBSTR* result) = 0;          // 81
    virtual HRESULT text(LxBSTR* Value) = 0;                         // 82
    virtual HRESULT ConcatFast(LxBSTR* String1, LxBSTR String2) = 0; // 83
    virtual HRESULT SearchArray(LxSAFEARRAY** stringArray, LxBSTR* SearchString, int32_t* StartElement,
                                LxBOOL* PartialMatch, int32_t* result) = 0; // 84
    virtual HRESULT GetOrdinal(int32_t* Number, LxBSTR* result) = 0;        // 85
    virtual HRESULT GetDelimitedEx(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* strDelimiter, LxBSTR* strDelimiter2,
                                   LxBSTR* result) = 0; // 86

protected:
    ~_Lexmara() = default;
};

// The growing string builder.
class _cStringFast : public IDispatch {
public:
    virtual HRESULT Concat(LxBSTR sText) = 0;        // 7
    virtual HRESULT get_Value(LxBSTR* result) = 0;   // 8
    virtual HRESULT put_Value(LxBSTR* Value) = 0;    // 9
    virtual HRESULT Reset() = 0;                     // 10
    virtual HRESULT get_Length(int32_t* result) = 0; // 11

protected:
    ~_cStringFast() = default;
};

} // namespace lexmara
