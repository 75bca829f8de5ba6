// The schema and the demo configuration database, as SQLite scripts (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace ff::data {

std::string_view SchemaSql();  // data/schema.sql
std::string_view DemoSql();    // data/demo.sql: the demo rows (schema not included)

// Creates a SQLite database file at `path` holding the schema and, when
// `withDemo` is set, the demo rows. Refuses to overwrite an existing file.
// False with the reason in `error` on failure (the half-made file removed).
bool CreateDatabase(const std::string& path, bool withDemo, std::string& error);
// Same, with any extra SQL script (UTF-8) run after the schema.
bool CreateDatabaseWith(const std::string& path, std::string_view extraSql, std::string& error);
// The bytes the demo database file gets, made in memory: no file anywhere.
bool DemoDatabaseBytes(std::string& bytes, std::string& error);

}  // namespace ff::data
