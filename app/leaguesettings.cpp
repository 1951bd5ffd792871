#include "app/leaguesettings.h"

namespace league {

int matches(const IniStore &ini)
{
    return ini.readInteger("SeasonLength", "Matches", 30, 0, MaxSeasonLength);
}

int sessions(const IniStore &ini)
{
    return ini.readInteger("SeasonLength", "Sessions", 10, 0, MaxSeasonLength);
}

int homeBonusMin(const IniStore &ini)
{
    return ini.readInteger("HomeBonus", "Min", 3, 0, MaxHomeBonus);
}

int homeBonusMax(const IniStore &ini)
{
    return ini.readInteger("HomeBonus", "Max", 8, 0, MaxHomeBonus);
}

lineup::Modifiers styleFactors(const IniStore &ini)
{
    const IniStore file = ini.snapshot();
    lineup::Modifiers m;
    m.passive = file.readFloat("Aggression Modifier", "Passive", 0.75, 0.0, MaxStyleFactor);
    m.normal = file.readFloat("Aggression Modifier", "Normal", 1.0, 0.0, MaxStyleFactor);
    m.aggressive = file.readFloat("Aggression Modifier", "Aggressive", 1.15, 0.0, MaxStyleFactor);
    return m;
}

QStringList strategyNames(const IniStore &ini)
{
    const IniStore file = ini.snapshot();
    const int count = file.readInteger("TeamTacs", "howmany", 6, 0, MaxStrategies);
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names.append(file.readString("TeamTacs", QStringLiteral("T%1").arg(n), QStringLiteral("test")));
    return names;
}

} // namespace league
