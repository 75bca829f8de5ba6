# Writes a C++ file that holds schema.sql and demo.sql as string literals.
file(READ ${SCHEMA} _schema)
file(READ ${DEMO} _demo)
file(WRITE ${OUT} "// Generated from data/schema.sql and data/demo.sql.\n#include \"data/embedded_sql.h\"\n\nnamespace ff::data {\n\nstd::string_view SchemaSql() {\n  static const char text[] = R\"FFSQL(${_schema})FFSQL\";\n  return {text, sizeof text - 1};\n}\n\nstd::string_view DemoSql() {\n  static const char text[] = R\"FFSQL(${_demo})FFSQL\";\n  return {text, sizeof text - 1};\n}\n\n}  // namespace ff::data\n")
