#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// A connection of the test's own to a database file, beside the program's, to
// arrange rows and to read what the program stored, past the program's layers.
class TestDb
{
public:
    explicit TestDb(const QString& path);
    ~TestDb();
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    // Runs the statements; a failure fails the current test.
    void exec(const QString& sql);
    // Each row as its values joined by "|".
    QStringList rows(const QString& sql);
    // The first value of the first row; empty when there is none.
    QString scalar(const QString& sql);

private:
    sqlite3* m_db = nullptr;
};
