#include "ObjectState.h"

namespace lexmara {

namespace {

// Row r holds the translations of codes 16r to 16r + 15.
constexpr const char* kAsciiToEbcdic = "00010203372D2E2F1605250B0C0D0E0F"
                                       "101112133C3D322618193F27221D351F"
                                       "405A7F7B5B6C507D4D5D5C4E6B604B61"
                                       "F0F1F2F3F4F5F6F7F8F97A5E4C7E6E6F"
                                       "7CC1C2C3C4C5C6C7C8C9D1D2D3D4D5D6"
                                       "D7D8D9E2E3E4E5E6E7E8E9ADE0BD5F6D"
                                       "79818283848586878889919293949596"
                                       "979899A2A3A4A5A6A7A8A9C06AD0A107"
                                       "68DC5142434447485253545756586367"
                                       "719C9ECBCCCDDBDDDFECFCB0B1B23EB4"
                                       "4555CEDE49699A9BAB0FBAB8B7AA8A8B"
                                       "3C3D624F6465662021227023727374BE"
                                       "7677788024158C8D8E41061728299D2A"
                                       "2B2C090AAC4AAEAF1B3031FA1A333435"
                                       "36590838BC39A0BFCA3AFE3B04CFDA14"
                                       "E18F4675FDEBEEED90EFB3FBB9EABBFF";

constexpr const char* kEbcdicToAscii = "00010203EC09CA7FE2D2D30B0C0D0EA9"
                                       "10111213EFC508CB1819DCD81C1D1E1F"
                                       "B7B8B9BBC40A171BCCCDCFD0D1050607"
                                       "D9DA16DDDEDFE004E3E5E9EBB0B19E1A"
                                       "20C9838485A0F28687A4D52E3C282BB3"
                                       "268288898AA18C8B8DE121242A293B5E"
                                       "2D2FB28EB4B5B68F80A57C2C255F3E3F"
                                       "BA90BCBDBEF3C0C1C2603A2340273D22"
                                       "C3616263646566676869AEAFC6C7C8F1"
                                       "F86A6B6C6D6E6F707172A6A791CE920F"
                                       "E67E737475767778797AADA8D45BD6D7"
                                       "9B9C9DFA9F1514ACABFCAAFEE45DBFE7"
                                       "7B414243444546474849E8939495A2ED"
                                       "7D4A4B4C4D4E4F505152EE968197A398"
                                       "5CF0535455565758595AFDF599F7F6F9"
                                       "30313233343536373839DBFB9AF4EAFF";

} // namespace

LexmaraState::LexmaraState()
    : ConcatBuffer(500000, '\0'), AsciiToEbcdicTable(kAsciiToEbcdic),
      EbcdicToAsciiTable(kEbcdicToAscii), ProperCaseRules{{std::vector<std::string>(2), std::vector<std::string>(2)}}
{
}

} // namespace lexmara
