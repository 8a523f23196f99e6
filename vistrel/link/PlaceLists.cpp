#include "link/PlaceLists.h"

#include "platform/LetterCase.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* kStateNames[] = {
    "Alabama",       "Alaska",       "Arizona",      "Arkansas",     "California",     "Colorado",      "Connecticut",
    "Delaware",      "Florida",      "Georgia",      "Hawaii",       "Idaho",          "Illinois",      "Indiana",
    "Iowa",          "Kansas",       "Kentucky",     "Louisiana",    "Maine",          "Maryland",      "Massachusetts",
    "Michigan",      "Minnesota",    "Mississippi",  "Missouri",     "Montana",        "Nebraska",      "Nevada",
    "New Hampshire", "New Jersey",   "New Mexico",   "New York",     "North Carolina", "North Dakota",  "Ohio",
    "Oklahoma",      "Oregon",       "Pennsylvania", "Rhode Island", "South Carolina", "South Dakota",  "Tennessee",
    "Texas",         "Utah",         "Vermont",      "Virginia",     "Washington",     "West Virginia", "Wisconsin",
    "Wyoming",       "WashingtonDC",
};
static_assert(std::size(kStateNames) == 51);

// "MALAW" and "CHRISTMAS" stand as the reflector knows them, not as the countries are called.
constexpr const char* kCountryNames[] = {
    "AFGHANISTAN",
    "ALBANIA",
    "ALGERIA",
    "AMERICAN SAMOA",
    "ANDORRA",
    "ANGOLA",
    "ANGUILLA",
    "ANTARCTICA",
    "ANTIGUA AND BARBUDA",
    "ARGENTINA",
    "ARMENIA",
    "ARUBA",
    "AUSTRALIA",
    "AUSTRIA",
    "AZERBAIJAN",
    "BAHAMAS",
    "BAHRAIN",
    "BANGLADESH",
    "BARBADOS",
    "BELARUS",
    "BELGIUM",
    "BELIZE",
    "BENIN",
    "BERMUDA",
    "BHUTAN",
    "BOLIVIA",
    "BOSNIA AND HERZEGOWINA",
    "BOTSWANA",
    "BOUVET ISLAND",
    "BRAZIL",
    "BRITISH INDIAN OCEAN TERRITORY",
    "BRUNEI DARUSSALAM",
    "BULGARIA",
    "BURKINA FASO",
    "BURUNDI",
    "CAMBODIA",
    "CAMEROON",
    "CANADA",
    "CAPE VERDE",
    "CAYMAN ISLANDS",
    "CENTRAL AFRICAN REPUBLIC",
    "CHAD",
    "CHILE",
    "CHINA",
    "CHRISTMAS",
    "COCOS (KEELING) ISLANDS",
    "COLOMBIA",
    "COMOROS",
    "CONGO",
    "CONGO, THE DEMOCRATIC REPUBLIC OF THE",
    "COOK ISLANDS",
    "COSTA RICA",
    "COTE D'IVOIRE",
    "CROATIA",
    "CUBA",
    "CYPRUS",
    "CZECH REPUBLIC",
    "DENMARK",
    "DJIBOUTI",
    "DOMINICA",
    "DOMINICAN REPUBLIC",
    "EAST TIMOR",
    "ECUADOR",
    "EGYPT",
    "EL SALVADOR",
    "EQUATORIAL GUINEA",
    "ERITREA",
    "ESTONIA",
    "ETHIOPIA",
    "FALKLAND ISLANDS (MALVINAS)",
    "FAROE ISLANDS",
    "FIJI",
    "FINLAND",
    "FRANCE",
    "FRANCE, METROPOLITAN",
    "FRENCH GUIANA",
    "FRENCH POLYNESIA",
    "FRENCH SOUTHERN TERRITORIES",
    "GABON",
    "GAMBIA",
    "GEORGIA",
    "GERMANY",
    "GHANA",
    "GIBRALTAR",
    "GREECE",
    "GREENLAND",
    "GRENADA",
    "GUADELOUPE",
    "GUAM",
    "GUATEMALA",
    "GUINEA",
    "GUINEA-BISSAU",
    "GUYANA",
    "HAITI",
    "HEARD AND MC DONALD ISLANDS",
    "HOLY SEE (VATICAN CITY STATE)",
    "HONDURAS",
    "HONG KONG",
    "HUNGARY",
    "ICELAND",
    "INDIA",
    "INDONESIA",
    "IRAN (ISLAMIC REPUBLIC OF)",
    "IRAQ",
    "IRELAND",
    "ISRAEL",
    "ITALY",
    "JAMAICA",
    "JAPAN",
    "JORDAN",
    "KAZAKHSTAN",
    "KENYA",
    "KIRIBATI",
    "KOREA, DEMOCRATIC PEOPLE'S REPUBLIC OF",
    "KOREA, REPUBLIC OF",
    "KUWAIT",
    "KYRGYZSTAN",
    "LAO PEOPLE'S DEMOCRATIC REPUBLIC",
    "LATVIA",
    "LEBANON",
    "LESOTHO",
    "LIBERIA",
    "LIBYAN ARAB JAMAHIRIYA",
    "LIECHTENSTEIN",
    "LITHUANIA",
    "LUXEMBOURG",
    "MACAU",
    "MACEDONIA",
    "MADAGASCAR",
    "MALAW",
    "MALAYSIA",
    "MALDIVES",
    "MALI",
    "MALTA",
    "MARSHALL ISLANDS",
    "MARTINIQUE",
    "MAURITANIA",
    "MAURITIUS",
    "MAYOTTE",
    "MEXICO",
    "MICRONESIA",
    "MOLDOVA, REPUBLIC OF",
    "MONACO",
    "MONGOLIA",
    "MONTSERRAT",
    "MOROCCO",
    "MOZAMBIQUE",
    "MYANMAR",
    "NAMIBIA",
    "NAURU",
    "NEPAL",
    "NETHERLANDS",
    "NETHERLANDS ANTILLES",
    "NEW CALEDONIA",
    "NEW ZEALAND",
    "NICARAGUA",
    "NIGER",
    "NIGERIA",
    "NIUE",
    "NORFOLK ISLAND",
    "NORTHERN MARIANA ISLANDS",
    "NORWAY",
    "OMAN",
    "PAKISTAN",
    "PALAU",
    "PANAMA",
    "PAPUA NEW GUINEA",
    "PARAGUAY",
    "PERU",
    "PHILIPPINES",
    "PITCAIRN",
    "POLAND",
    "PORTUGAL",
    "PUERTO RICO",
    "QATAR",
    "REUNION",
    "ROMANIA",
    "RUSSIAN FEDERATION",
    "RWANDA",
    "SAINT KITTS AND NEVIS",
    "SAINT LUCIA",
    "SAINT VINCENT AND THE GRENADINES",
    "SAMOA",
    "SAN MARINO",
    "SAO TOME AND PRINCIPE",
    "SAUDI ARABIA",
    "SENEGAL",
    "SEYCHELLES",
    "SIERRA LEONE",
    "SINGAPORE",
    "SLOVAKIA",
    "SLOVENIA",
    "SOLOMON ISLANDS",
    "SOMALIA",
    "SOUTH AFRICA",
    "SOUTH GEORGIA AND THE SOUTH SANDWICH ISLANDS",
    "SPAIN",
    "SRI LANKA",
    "ST. HELENA",
    "ST. PIERRE AND MIQUELON",
    "SUDAN",
    "SURINAME",
    "SVALBARD AND JAN MAYEN ISLANDS",
    "SWAZILAND",
    "SWEDEN",
    "SWITZERLAND",
    "SYRIAN ARAB REPUBLIC",
    "TAIWAN, PROVINCE OF CHINA",
    "TAJIKISTAN",
    "TANZANIA, UNITED REPUBLIC OF",
    "THAILAND",
    "TOGO",
    "TOKELAU",
    "TONGA",
    "TRINIDAD AND TOBAGO",
    "TUNISIA",
    "TURKEY",
    "TURKMENISTAN",
    "TURKS AND CAICOS ISLANDS",
    "TUVALU",
    "UGANDA",
    "UKRAINE",
    "UNITED ARAB EMIRATES",
    "UNITED KINGDOM",
    "UNITED STATES",
    "UNITED STATES MINOR OUTLYING ISLANDS",
    "URUGUAY",
    "UZBEKISTAN",
    "VANUATU",
    "VENEZUELA",
    "VIET NAM",
    "VIRGIN ISLANDS (BRITISH)",
    "VIRGIN ISLANDS (U.S.)",
    "WALLIS AND FUTUNA ISLANDS",
    "WESTERN SAHARA",
    "YEMEN",
    "YUGOSLAVIA",
    "ZAMBIA",
    "ZIMBABWE",
};
static_assert(std::size(kCountryNames) == 239);

bool listHolds(std::span<const char* const> names, const QByteArray& place)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return place == name; });
}

QByteArray placeQuery(const QByteArray& topic, const QByteArray& place)
{
    return topic + ',' + place;
}

} // namespace

std::span<const char* const> stateNames()
{
    return kStateNames;
}

std::span<const char* const> countryNames()
{
    return kCountryNames;
}

bool isStateName(const QByteArray& place)
{
    return listHolds(kStateNames, place);
}

bool isCountryName(const QByteArray& place)
{
    return listHolds(kCountryNames, platform::upperCase(place));
}

std::optional<QByteArray> placeQueryForState(const QByteArray& topic, const QByteArray& place)
{
    if (!isStateName(place))
        return std::nullopt;
    return placeQuery(topic, place);
}

std::optional<QByteArray> placeQueryForCountry(const QByteArray& topic, const QByteArray& place)
{
    if (!isCountryName(place))
        return std::nullopt;
    return placeQuery(topic, place);
}
