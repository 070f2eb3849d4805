#include "store/dataset.h"

#include "app/apperror.h"
#include "store/sqlitestatement.h"

#include <QFileInfo>
#include <sqlite3.h>

SqliteConnection::~SqliteConnection()
{
    disconnect();
}

void SqliteConnection::connect()
{
    disconnect();
    const QString path = fullPath();
    if (!QFileInfo(path).isFile())
        throw AppError(QStringLiteral("Database %1 does not exist").arg(path));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        const QString reason =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("unknown error");
        sqlite3_close(db);
        throw AppError(QStringLiteral("Failed to open database \"%1\" : %2").arg(path, reason));
    }
    m_db = db;
}

void SqliteConnection::disconnect()
{
    sqlite3_close(m_db);
    m_db = nullptr;
}

sqlite3* SqliteConnection::handle() const
{
    if (!m_db)
        throw AppError(QStringLiteral("Database is not open"));
    return m_db;
}

void Dataset::open()
{
    if (!m_connection)
        throw AppError(QStringLiteral("Database is not open"));
    sqlite3* db = m_connection->handle();
    SqliteStatement stmt;
    if (stmt.prepare(db, m_sql) != SQLITE_OK)
        throw AppError(QStringLiteral("Error executing SQL") + sqliteErrorDetail(db, m_sql));
    if (!stmt)
        throw AppError(QStringLiteral("Could not prepare SQL statement"));

    QStringList columns;
    const int columnCount = sqlite3_column_count(stmt.get());
    for (int c = 0; c < columnCount; ++c)
        columns << QString::fromUtf8(sqlite3_column_name(stmt.get(), c));

    QList<QStringList> rows;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        QStringList row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), c));
            row << (text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt.get(), c))
                         : QString());
        }
        rows << row;
    }
    if (rc != SQLITE_DONE)
        throw AppError(QStringLiteral("Could not retrieve data") + sqliteErrorDetail(db, m_sql));

    emit aboutToReset();
    m_columns = std::move(columns);
    m_rows = std::move(rows);
    m_current = 0;
    m_open = true;
    emit reset();
}

void Dataset::close()
{
    if (!m_open)
        return;
    emit aboutToReset();
    m_open = false;
    m_rows.clear();
    m_columns.clear();
    m_current = 0;
    emit reset();
}

void Dataset::setCurrentRow(int row)
{
    row = std::clamp(row, 0, int(m_rows.size()));
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

bool Dataset::locate(const QString& field, const QString& value)
{
    const int column = columnIndex(field);
    if (column < 0)
        return false;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).at(column) == value) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

int Dataset::columnIndex(const QString& field) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString Dataset::valueAt(int row, const QString& field) const
{
    const int column = columnIndex(field);
    if (column < 0)
        throw AppError(QStringLiteral("Field '%1' not found").arg(field));
    if (row < 0 || row >= m_rows.size())
        return QString();
    return m_rows.at(row).at(column);
}

QString Dataset::fieldText(const QString& field) const
{
    return valueAt(m_current, field);
}
int Dataset::fieldInt(const QString& field) const
{
    return textToInt(fieldText(field));
}
QString Dataset::text(int row, const QString& field) const
{
    return valueAt(row, field);
}

int textToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}
