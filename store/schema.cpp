#include "store/schema.h"

#include "store/storeexecutor.h"

#include <array>

namespace Schema {

void createMissingTables(StoreExecutor& store)
{
    struct Table
    {
        const char* name;
        const char* create;
    };
    static constexpr std::array<Table, 3> tables{{
        {"user", "CREATE TABLE user (birthday VARCHAR, gender INTEGER, compatible INTEGER);"},
        {"stat", "CREATE TABLE stat (date VARCHAR primary key, level NUMERIC, chkBox NUMERIC);"},
        {"forecast", "CREATE TABLE forecast (date VARCHAR primary key, level NUMERIC);"},
    }};
    for (const Table& table : tables)
        if (!store.tableExists(QString::fromLatin1(table.name)))
            store.execute(QString::fromLatin1(table.create));
}

} // namespace Schema
