#pragma once
#include "app/inistore.h"
#include "lineup/ratings.h"

#include <QStringList>

// The league's values in the settings file, with their defaults and the
// bounds that keep the lists they size sane: a value beyond its bound reads
// as the default, like one that cannot be read.
namespace league {

constexpr int MaxSeasonLength = 999;    // matches or sessions in a season
constexpr int MaxHomeBonus = 99;        // home bonus from 0 to this
constexpr int MaxStrategies = 99;       // team strategy names
constexpr double MaxStyleFactor = 5.0;  // style factors from 0 to this
constexpr int MaxWindowSide = 10000;    // custom window size in pixels

int matches(const IniStore &ini);  // "SeasonLength"/"Matches", default 30
int sessions(const IniStore &ini); // "SeasonLength"/"Sessions", default 10
int homeBonusMin(const IniStore &ini); // "HomeBonus"/"Min", default 3
int homeBonusMax(const IniStore &ini); // "HomeBonus"/"Max", default 8
lineup::Modifiers styleFactors(const IniStore &ini); // "Aggression Modifier"
// "TeamTacs": "howmany" names "T1".."Tn" ("test" for a missing one), read
// from the file once.
QStringList strategyNames(const IniStore &ini);

} // namespace league
