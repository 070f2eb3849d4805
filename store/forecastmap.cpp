#include "store/forecastmap.h"

void ForecastMap::append(const QString& date, int level)
{
    if (!m_first.contains(date))
        m_first.insert(date, m_entries.size());
    m_entries.append({date, level});
}

void ForecastMap::clear()
{
    m_entries.clear();
    m_first.clear();
}

std::optional<int> ForecastMap::lookup(const QString& date) const
{
    const auto it = m_first.constFind(date);
    if (it == m_first.constEnd())
        return std::nullopt;
    return m_entries.at(*it).level;
}
