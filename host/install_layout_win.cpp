// Windows has no T-SQL extension to load (host/install_layout.h): its
// SQLite data sources do not come through Linux's ODBC driver for SQLite.
#include "host/install_layout.h"

namespace ff {

std::string InstalledTsqlExtension() { return {}; }

}  // namespace ff
