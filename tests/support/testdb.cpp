#include "testdb.h"

#include <QTest>
#include <sqlite3.h>

TestDb::TestDb(const QString& path)
{
    sqlite3_open(path.toUtf8().constData(), &m_db);
}

TestDb::~TestDb()
{
    sqlite3_close(m_db);
}

void TestDb::exec(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = QString::fromUtf8(error);
        sqlite3_free(error);
        QFAIL(qPrintable(text));
    }
}

QStringList TestDb::rows(const QString& sql)
{
    QStringList out;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            values << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
        out << values.join(QLatin1Char('|'));
    }
    sqlite3_finalize(stmt);
    return out;
}

QString TestDb::scalar(const QString& sql)
{
    const QStringList result = rows(sql);
    return result.isEmpty() ? QString() : result.first().section(QLatin1Char('|'), 0, 0);
}
