#pragma once
// The class Lexmara: the string routine library as one object with its state. The
// members are defined by family in the Lexmara*.cpp files; the families not built yet
// answer "not implemented" from here, each in its slot.
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
    HRESULT LastInstr(LxBSTR* StrIn, LxBSTR* strInstr, LxVARIANT* Start, LxBOOL* MatchCase,
                      int32_t* result) override;
    HRESULT IsAlphaNumeric(LxBSTR* StrIn, LxBOOL* result) override;
    HRESULT InstrNotInList(LxVARIANT* Start, LxBSTR* String1, LxBSTR* strCharList, int32_t* result) override;
    HRESULT InstrNotInListRev(LxBSTR* String1, LxBSTR* strCharList, int32_t* Start, int32_t* result) override;
    HRESULT SearchArray(LxSAFEARRAY** stringArray, LxBSTR* SearchString, int32_t* StartElement,
                        LxBOOL* PartialMatch, int32_t* result) override;

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

    // Path, system and random routines: not built yet.
    HRESULT AddBackSlash(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT DeBackSlash(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT GetWinDir(LxBSTR*) override { return notImplemented(kSource); }
    HRESULT GetSysDir(LxBSTR*) override { return notImplemented(kSource); }
    HRESULT GetTempFile(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT IsFile(LxBSTR*, LxBOOL*) override { return notImplemented(kSource); }
    HRESULT GetRandomAlphaNumerics(int16_t*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT GetRandomAlpha(int16_t*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT GetRandomNumerics(int16_t*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT StringExecuteVB6(LxBSTR*, LxBOOL*, LxBOOL*) override { return notImplemented(kSource); }

    // Array sorting (LexmaraSort.cpp).
    HRESULT SortArrayText(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result) override;
    HRESULT SortArrayTextDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                    int16_t* result) override;
    HRESULT SortArrayBinary(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound, int16_t* result) override;
    HRESULT SortArrayBinaryDescending(LxSAFEARRAY** strList, int32_t* lLbound, int32_t* lUbound,
                                      int16_t* result) override;

    // Mainframe data conversions: not built yet.
    HRESULT AsciiToEbcdic(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT EbcdicToAscii(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT PackedDecimalToString(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT StringToPackedDecimal(LxBSTR, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT InstrPackedDecimal(int32_t*, LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT GetPackedDecimalPos(int32_t*, LxBSTR*, int16_t*) override { return notImplemented(kSource); }
    HRESULT PackedDecimalLen(int32_t*, LxBSTR*, int16_t*) override { return notImplemented(kSource); }
    HRESULT ZonedDecimalToString(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT StringToZonedDecimal(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT StringToPackedDecimalWithLen(LxBSTR, int16_t, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT PICtoStringDecimal(int32_t*, int16_t*, LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }

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

    // Proper case (LexmaraProperCase.cpp).
    HRESULT ProperCase(LxBSTR StrIn, LxBSTR* result) override;

    // The UK postcode check: not built yet.
    HRESULT IsPostcodeUK(LxBSTR*, LxBOOL*) override { return notImplemented(kSource); }

    // Numbers in words, number bases and formats: not built yet.
    HRESULT NumericToWords(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT NumericToWordsWithAND(LxCY*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT TrimUnprintable(LxBSTR* StrIn, LxBSTR* result) override; // LexmaraFilters.cpp
    HRESULT FormatPhoneNumber(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT FormatCreditCard(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT FilterString(LxBSTR* StrIn, LxBSTR* ValidChars, LxBSTR* result) override; // LexmaraFilters.cpp
    HRESULT FilterNumber(LxBSTR* text, LxBOOL* TrimZeroes, LxBSTR* result) override; // LexmaraFilters.cpp
    HRESULT Dec2Bin(LxVARIANT*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT CalcBarcodeLUHN(LxVARIANT*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT Hex2String(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT Hex2Dec(LxBSTR*, LxVARIANT*) override { return notImplemented(kSource); }
    HRESULT String2Hex(LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT PadAlignString(LxBSTR*, int32_t*, int16_t*, LxBSTR*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT IsLeapYear(LxVARIANT*, LxBOOL*) override { return notImplemented(kSource); }
    HRESULT Bin2Dec(LxVARIANT*, LxBSTR*) override { return notImplemented(kSource); }
    HRESULT Dec2Hex(LxBSTR*, LxVARIANT*) override { return notImplemented(kSource); }
    HRESULT GetOrdinal(int32_t*, LxBSTR*) override { return notImplemented(kSource); }

private:
    LexmaraState state_;
};

} // namespace lexmara::server
