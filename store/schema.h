#pragma once

#include <QString>

class StoreExecutor;

// The three tables of bl.db, created when missing; a table that exists is used
// as it is, whatever its columns.
namespace Schema {
// Creates each missing table in turn; the first failure ends the run and is thrown.
void createMissingTables(StoreExecutor& store);
} // namespace Schema
