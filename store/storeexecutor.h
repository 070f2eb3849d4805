#pragma once

#include <QString>
#include <QVariantList>

struct sqlite3;

// The direct statement executor: every change of bl.db goes through it, one
// short transaction at a time, on a connection of its own.
class StoreExecutor
{
public:
    StoreExecutor() = default;
    ~StoreExecutor();
    StoreExecutor(const StoreExecutor&) = delete;
    StoreExecutor& operator=(const StoreExecutor&) = delete;

    // Opens (creating when missing) the database file.
    void open(const QString& path);
    // Runs the first statement of the text to completion; values from outside
    // the program come as bound parameters ('?' placeholders).
    void execute(const QString& statement, const QVariantList& parameters = {});
    bool tableExists(const QString& name);
    void begin();
    void commit();
    void rollback();
    // Rolls back an open transaction, then closes the connection.
    void close();

    bool isOpen() const { return m_db != nullptr; }
    bool inTransaction() const { return m_inTransaction; }

private:
    sqlite3* connection() const;
    void endTransaction(const QString& statement);

    sqlite3* m_db = nullptr;
    bool m_inTransaction = false;
};
