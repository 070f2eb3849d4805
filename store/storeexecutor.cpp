#include "store/storeexecutor.h"

#include "app/apperror.h"
#include "store/sqlitestatement.h"

#include <sqlite3.h>

StoreExecutor::~StoreExecutor()
{
    try {
        close();
    } catch (const AppError&) {
        // Closing at destruction has nobody left to tell.
    }
}

sqlite3* StoreExecutor::connection() const
{
    // A store that failed to open at start-up must never be touched later.
    if (!m_db)
        throw AppError(QStringLiteral("Database is not open"));
    return m_db;
}

void StoreExecutor::open(const QString& path)
{
    close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("unknown error");
        sqlite3_close(db);
        throw AppError(QStringLiteral("Failed to open database \"%1\" : %2").arg(path, reason));
    }
    m_db = db;
    m_inTransaction = false;
    execute(QStringLiteral("PRAGMA SYNCHRONOUS=NORMAL;"));
    execute(QStringLiteral("PRAGMA temp_store = MEMORY;"));
}

void StoreExecutor::execute(const QString& statement, const QVariantList& parameters)
{
    sqlite3* db = connection();
    SqliteStatement stmt;
    if (stmt.prepare(db, statement) != SQLITE_OK)
        throw AppError(QStringLiteral("Error executing SQL") + sqliteErrorDetail(db, statement));
    if (!stmt)
        throw AppError(QStringLiteral("Could not prepare SQL statement"));
    stmt.bind(parameters);
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW)
        throw AppError(QStringLiteral("Error executing SQL statement"));
    if (rc != SQLITE_DONE)
        throw AppError(QStringLiteral("Error executing SQL statement") +
                       sqliteErrorDetail(db, statement));
}

bool StoreExecutor::tableExists(const QString& name)
{
    sqlite3* db = connection();
    const QString query = QStringLiteral(
        "select [sql] from sqlite_master where [type] = 'table' and lower(name) = ? ");
    SqliteStatement stmt;
    const int prepared = stmt.prepare(db, query);
    if (prepared == SQLITE_BUSY || prepared == SQLITE_LOCKED)
        throw AppError(QStringLiteral("Could not prepare SQL statement"));
    if (prepared != SQLITE_OK)
        throw AppError(QStringLiteral("Error executing SQL") + sqliteErrorDetail(db, query));
    stmt.bind({name.toLower()});
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw AppError(QStringLiteral("Could not retrieve data") + sqliteErrorDetail(db, query));
}

void StoreExecutor::begin()
{
    if (m_inTransaction)
        throw AppError(QStringLiteral("Transaction already open"));
    execute(QStringLiteral("BEGIN TRANSACTION;"));
    m_inTransaction = true;
}

void StoreExecutor::commit()
{
    endTransaction(QStringLiteral("COMMIT;"));
}

void StoreExecutor::rollback()
{
    endTransaction(QStringLiteral("ROLLBACK;"));
}

void StoreExecutor::endTransaction(const QString& statement)
{
    try {
        execute(statement);
    } catch (const AppError&) {
        // A failed end leaves the transaction open, unless SQLite has already
        // ended it by itself (some errors roll back on their own): then a flag
        // left set would refuse every later begin.
        m_inTransaction = m_db && !sqlite3_get_autocommit(m_db);
        throw;
    }
    m_inTransaction = false;
}

void StoreExecutor::close()
{
    if (!m_db)
        return;
    // The connection closes even when the rollback fails; SQLite then discards
    // the open transaction itself.
    struct Closer
    {
        sqlite3*& db;
        ~Closer()
        {
            sqlite3_close(db);
            db = nullptr;
        }
    } closer{m_db};
    if (m_inTransaction) {
        m_inTransaction = false;
        execute(QStringLiteral("ROLLBACK;"));
    }
}
