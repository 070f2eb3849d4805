#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The run-wide forecast days in the order they were stored. Duplicates are kept;
// a lookup finds the first entry of a date, through an index of first occurrences
// so that painting a month stays cheap with thousands of stored days.
class ForecastMap
{
public:
    struct Entry
    {
        QString date; // "YYYY-MM-DD"
        int level = 0;
    };

    void append(const QString& date, int level);
    void clear();
    std::optional<int> lookup(const QString& date) const;
    const QList<Entry>& entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_first;
};
