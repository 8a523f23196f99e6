#pragma once
// The class Lexmara: the string routine library as one object with its state. The
// members are defined by family in the Lexmara*.cpp files; the slots without a member
// answer "not implemented" from here.
#include "Boundary.h"
#include "ComObject.h"

#include "../routines/ObjectState.h"

#include "lexmara/Interfaces.h"

namespace lexmara::server {

class Lexmara final : public DispatchObject<_Lexmara, Lexmara> {
public:
    static constexpr const char* kSource = kProgIdLexmara;

    // Besides IUnknown and IDispatch: the current interface and every earlier version
    // of it, all served by the current one.
    static bool answers(const GUID& iid);

    // The slots without a member.
    HRESULT Reserved7() override { return notImplemented(kSource); }
    HRESULT Reserved8() override { return notImplemented(kSource); }
    HRESULT Reserved79() override { return notImplemented(kSource); }

    // Delimited fields and items (LexmaraDelimited.cpp).
    HRESULT GetDelimited(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* strDelimiter, LxBSTR* result) override;
    HRESULT GetDelimitedEx(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* strDelimiter, LxBSTR* strDelimiter2,
                           LxBSTR* result) override;
    HRESULT ItemCount(LxBSTR* l_StrIn, LxBSTR* l_strItemToCount, int32_t* result) override;
    HRESULT Pluck(LxVARIANT* strInput, LxVARIANT* strDelim1, LxVARIANT* strDelim2, LxBSTR* result) override;
    HRESULT NumMatches(LxBSTR StrIn, LxBSTR Match, LxVARIANT* iCompare, int32_t* result) override;

    // String cipher (LexmaraCipher.cpp).
    HRESULT StringEncrypt(LxBSTR StrIn, LxBSTR* strKey, LxBSTR* result) override;
    HRESULT StringDecrypt(LxBSTR StrIn, LxBSTR* strKey, LxVARIANT* result) override;

    // Strip routines (LexmaraStrip.cpp).
    HRESULT StripCharacter(LxBSTR* StrIn, LxBSTR* strStrip, LxBSTR* result) override;
    HRESULT StripString(LxBSTR* StrIn, LxBSTR* strStrip, LxBSTR* result) override;
    HRESULT StripCharList(LxBSTR* StrIn, LxBSTR* strStripList, LxBSTR* result) override;

    // Search routines (LexmaraSearch.cpp).
    HRESULT LastInstr(LxBSTR* StrIn, LxBSTR* strInstr, LxVARIANT* Start, LxBOOL* MatchCase, int32_t* result) override;
    HRESULT IsAlphaNumeric(LxBSTR* StrIn, LxBOOL* result) override;
    HRESULT InstrNotInList(LxVARIANT* Start, LxBSTR* String1, LxBSTR* strCharList, int32_t* result) override;
    HRESULT InstrNotInListRev(LxBSTR* String1, LxBSTR* strCharList, int32_t* Start, int32_t* result) override;
    HRESULT SearchArray(LxSAFEARRAY** stringArray, LxBSTR* SearchString, int32_t* StartElement, LxBOOL* PartialMatch,
                        int32_t* result) override;

    // The hidden member that takes its argument and does nothing.
    HRESULT text(LxBSTR*) override { return S_OK; }

    // Edit routines (LexmaraEdit.cpp).
    HRESULT ReplaceCharsFirst(LxBSTR* StrIn, LxBSTR* strSearchFor, LxBSTR* strReplace, LxBSTR* result) override;
    HRESULT ReplaceCharsAll(LxBSTR* StrIn, LxBSTR* strSearchFor, LxBSTR* strReplace, LxBOOL* blnCaseSense,
                            LxBOOL* blnWord, LxBSTR* result) override;
    HRESULT InsertString(LxBSTR* StrIn, LxBSTR* strInsertion, int32_t* lngPosition, LxBSTR* result) override;
    HRESULT DeleteString(LxBSTR* StrIn, int32_t pos, int32_t lLen, LxBSTR* result) override;
    HRESULT DeDuplicate(LxBSTR* StrIn, LxBSTR* strChar, LxBOOL* blnCaseSense, LxBSTR* result) override;
    HRESULT StringRepeat(LxBSTR* StrIn, int32_t* lngRepeat, LxBSTR* result) override;
    HRESULT ConcatFast(LxBSTR* String1, LxBSTR String2) override;

    // Path, system and random routines (LexmaraPaths.cpp).
    HRESULT AddBackSlash(LxBSTR* l_StrIn, LxBSTR* result) override;
    HRESULT DeBackSlash(LxBSTR* l_StrIn, LxBSTR* result) override;
    HRESULT GetWinDir(LxBSTR* result) override;
    HRESULT GetSysDir(LxBSTR* result) override;
    HRESULT GetTempFile(LxBSTR* Prefix, LxBSTR* result) override;
    HRESULT IsFile(LxBSTR* Filename, LxBOOL* result) override;
    HRESULT GetRandomAlphaNumerics(int16_t* strLen, LxBSTR* result) override;
    HRESULT GetRandomAlpha(int16_t* strLen, LxBSTR* result) override;
    HRESULT GetRandomNumerics(int16_t* strLen, LxBSTR* result) override;
    HRESULT StringExecuteVB6(LxBSTR* VB6Statement, LxBOOL* ValidateDontExecute, LxBOOL* result) override;

    // Array sorting (LexmaraSort.cpp).
    HRESULT SortArrayText(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result) override;
    HRESULT SortArrayTextDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                    int16_t* result) override;
    HRESULT SortArrayBinary(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result) override;
    HRESULT SortArrayBinaryDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                      int16_t* result) override;

    // Mainframe data conversions (LexmaraMainframe.cpp).
    HRESULT AsciiToEbcdic(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT EbcdicToAscii(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT PackedDecimalToString(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT StringToPackedDecimal(LxBSTR StrIn, LxBSTR* result) override;
    HRESULT InstrPackedDecimal(int32_t* Field, LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT GetPackedDecimalPos(int32_t* Field, LxBSTR* StrIn, int16_t* result) override;
    HRESULT PackedDecimalLen(int32_t* Start, LxBSTR* StrIn, int16_t* result) override;
    HRESULT ZonedDecimalToString(LxBSTR* Zoned, LxBSTR* result) override;
    HRESULT StringToZonedDecimal(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT StringToPackedDecimalWithLen(LxBSTR StrIn, int16_t ByteLen, LxBSTR* result) override;
    HRESULT PICtoStringDecimal(int32_t* HalfByteDigitOffset, int16_t* PICLength, LxBSTR* PICData,
                               LxBSTR* result) override;

    // Word routines (LexmaraWords.cpp).
    HRESULT WordCount(LxBSTR* StrIn, int32_t* result) override;
    HRESULT WordPos(LxBSTR* StrIn, int32_t* intWordNo, int32_t* result) override;
    HRESULT WordPosLen(LxBSTR* StrIn, int32_t* intWordNo, int16_t* result) override;
    HRESULT InstrWord(LxVARIANT* Start, LxBSTR* String1, LxBSTR* String2, LxBOOL* MatchCase, int32_t* result) override;
    HRESULT InstrWordRev(LxBSTR* String1, LxBSTR* String2, LxVARIANT* Start, LxBOOL* MatchCase,
                         int32_t* result) override;
    HRESULT WordWrap(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen,
                     int32_t* result) override;
    HRESULT Word(LxBSTR* StrIn, int32_t* lngPosition, LxBSTR* result) override;
    HRESULT WordDelete(LxBSTR* StrIn, int32_t WordNum, LxBOOL* RemoveDoubleBlanks, LxBSTR* result) override;
    HRESULT WordFind(LxBSTR* StrIn, LxBSTR strWord, int32_t* result) override;
    HRESULT WordWrapVar(LxBSTR* StrIn, int32_t* WrapLen, LxSAFEARRAY** ResultArray, LxBOOL* AddSplitHyphen,
                        int32_t* result) override;

    // Proper case (LexmaraProperCase.cpp) and the UK postcode check (LexmaraPostcode.cpp).
    HRESULT ProperCase(LxBSTR StrIn, LxBSTR* result) override;
    HRESULT IsPostcodeUK(LxBSTR* StrIn, LxBOOL* result) override;

    // Numbers in words, number bases and formats (LexmaraNumbers.cpp; the three text
    // filters in LexmaraFilters.cpp).
    HRESULT NumericToWords(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT NumericToWordsWithAND(LxCY* StrIn, LxBSTR* result) override;
    HRESULT TrimUnprintable(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT FormatPhoneNumber(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT FormatCreditCard(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT FilterString(LxBSTR* StrIn, LxBSTR* ValidChars, LxBSTR* result) override;
    HRESULT FilterNumber(LxBSTR* text, LxBOOL* TrimZeroes, LxBSTR* result) override;
    HRESULT Dec2Bin(LxVARIANT* Dec, LxBSTR* result) override;
    HRESULT CalcBarcodeLUHN(LxVARIANT* StrIn, LxBSTR* result) override;
    HRESULT Hex2String(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT Hex2Dec(LxBSTR* StrIn, LxVARIANT* result) override;
    HRESULT String2Hex(LxBSTR* StrIn, LxBSTR* result) override;
    HRESULT PadAlignString(LxBSTR* StrIn, int32_t* lngLen, int16_t* intAlign, LxBSTR* PadChar, LxBSTR* result) override;
    HRESULT IsLeapYear(LxVARIANT* varYear, LxBOOL* result) override;
    HRESULT Bin2Dec(LxVARIANT* Bin, LxBSTR* result) override;
    HRESULT Dec2Hex(LxBSTR* StrIn, LxVARIANT* result) override;
    HRESULT GetOrdinal(int32_t* Number, LxBSTR* result) override;

private:
    LexmaraState state_;
};

} // namespace lexmara::server
