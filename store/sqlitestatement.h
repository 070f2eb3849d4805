#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement, finalised when it goes out of scope.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Compiles the first statement of the text; returns the SQLite result code.
    // An empty handle with SQLITE_OK means the text held no statement.
    int prepare(sqlite3* db, const QString& text);
    void bind(const QVariantList& parameters);
    sqlite3_stmt* get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// " \"<statement>\" : <SQLite's message>", the detail appended to an error text.
QString sqliteErrorDetail(sqlite3* db, const QString& statement);
