#pragma once
// The places a directory query under a geographic topic may name: the US states
// (compared exactly) and the countries (compared in upper case). A place in neither
// list sends nothing.
#include <QByteArray>

#include <optional>
#include <span>

// The 50 states in alphabetical order, then "WashingtonDC".
std::span<const char* const> stateNames();
// 239 country names in upper case, in alphabetical order.
std::span<const char* const> countryNames();

// `place` equals a state name, letter case included.
bool isStateName(const QByteArray& place);
// The upper-case form of `place` equals a country name.
bool isCountryName(const QByteArray& place);

// The query topic,place for a state or a country, with the place as passed;
// nothing when the place is not in that list.
std::optional<QByteArray> placeQueryForState(const QByteArray& topic, const QByteArray& place);
std::optional<QByteArray> placeQueryForCountry(const QByteArray& topic, const QByteArray& place);
