#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct sqlite3;

// The read connection to bl.db: a folder and a database name, connected only
// when the file already exists.
class SqliteConnection
{
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void setDefaultFolder(const QString& folder) { m_folder = folder; }
    void setDatabaseName(const QString& name) { m_name = name; }
    QString fullPath() const { return m_folder + m_name; }
    // Fails with "Database <path> does not exist" when the file is missing.
    void connect();
    void disconnect();
    sqlite3* handle() const;

private:
    QString m_folder;
    QString m_name;
    sqlite3* m_db = nullptr;
};

// A read-only dataset: opening runs the statement, reads the whole result into
// memory and releases the statement at once, so an open dataset holds no lock
// and sees a later change only after it is reopened.
class Dataset : public QObject
{
    Q_OBJECT
public:
    explicit Dataset(QObject* parent = nullptr) : QObject(parent) {}

    void setConnection(SqliteConnection* connection) { m_connection = connection; }
    void setSql(const QString& sql) { m_sql = sql; }

    void open();
    void close();
    bool isOpen() const { return m_open; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool eof() const { return m_current >= m_rows.size(); }
    int rowCount() const { return int(m_rows.size()); }
    const QStringList& columns() const { return m_columns; }

    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    void first() { setCurrentRow(0); }
    void next() { setCurrentRow(m_current + 1); }
    // Moves to the first row whose field holds exactly the text; false when none does.
    bool locate(const QString& field, const QString& value);

    // Fields of the current row by column name, whatever its letter case.
    QString fieldText(const QString& field) const;
    int fieldInt(const QString& field) const;
    // Any row, for views.
    QString text(int row, const QString& field) const;
    int columnIndex(const QString& field) const;

signals:
    void aboutToReset();
    void reset();
    void currentRowChanged(int row);

private:
    QString valueAt(int row, const QString& field) const;

    SqliteConnection* m_connection = nullptr;
    QString m_sql;
    QStringList m_columns;
    QList<QStringList> m_rows;
    int m_current = 0;
    bool m_open = false;
};

// Reads a stored whole number; a text that is not one fails with the
// conversion error the user is shown.
int textToInt(const QString& text);
