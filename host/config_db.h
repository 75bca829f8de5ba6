// The one shared connection to the configuration database.
#pragma once

#include <string>

#include "host/db_store.h"

class CSimDB;

// Null until a login succeeds; replaced by every login attempt.
extern CSimDB* g_pConfigDB;

// Releases the old connection first, then opens a new one with the four
// login values (GBK). On failure shows the database's own error text and
// leaves g_pConfigDB null.
bool ConnectConfigDB(const std::string& server, const std::string& user,
                     const std::string& password, const std::string& database);
bool ConnectConfigDB(const ff::LoginValues& login);
// The same, telling no one: a failure leaves the database's error text in
// `error` and why a SQLite file failed in `fault`, for the caller to say.
bool ConnectConfigDB(const ff::LoginValues& login, std::string& error, ff::OpenFault& fault);

// The database of the shared connection as the user named it at the login
// (GBK; empty when there is none). Never holds a password.
const std::string& ConfigDBName();

// Releases the shared connection (tests and the CLI at exit).
void DisconnectConfigDB();

// One consistent view of the shared connection for the life of the object:
// a user action reads every query from the same committed state (see
// CSimDB::BeginSnapshot). Without a connection it does nothing; a login
// made meanwhile ended the old snapshot with its connection.
class ConfigSnapshot {
 public:
  ConfigSnapshot();
  ~ConfigSnapshot();
  ConfigSnapshot(const ConfigSnapshot&) = delete;
  ConfigSnapshot& operator=(const ConfigSnapshot&) = delete;

 private:
  unsigned long connection_;
  bool begun_;
};
