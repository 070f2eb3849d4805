#include "store/sqlitestatement.h"

#include <sqlite3.h>

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

int SqliteStatement::prepare(sqlite3* db, const QString& text)
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
}

void SqliteStatement::bind(const QVariantList& parameters)
{
    for (int i = 0; i < parameters.size(); ++i) {
        const QVariant& value = parameters.at(i);
        const int index = i + 1;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        default:
            if (value.isNull()) {
                sqlite3_bind_null(m_stmt, index);
            } else {
                const QByteArray utf8 = value.toString().toUtf8();
                sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()),
                                  SQLITE_TRANSIENT);
            }
        }
    }
}

QString sqliteErrorDetail(sqlite3* db, const QString& statement)
{
    return QStringLiteral(" \"%1\" : %2").arg(statement, QString::fromUtf8(sqlite3_errmsg(db)));
}
