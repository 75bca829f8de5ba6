#include "host/config_db.h"

#include <memory>

#include "host/sim_db.h"
#include "host/user_interface.h"

CSimDB* g_pConfigDB = nullptr;

namespace {

// Tells one connection from the next, even at the same address.
unsigned long g_connectionNumber = 0;

std::string& ConnectedName() {
  static std::string name;
  return name;
}

}  // namespace

const std::string& ConfigDBName() { return ConnectedName(); }

bool ConnectConfigDB(const std::string& server, const std::string& user, const std::string& password,
                     const std::string& database) {
  return ConnectConfigDB(ff::LoginValues{server, user, password, database});
}

bool ConnectConfigDB(const ff::LoginValues& login) {
  std::string error;
  ff::OpenFault fault;
  if (ConnectConfigDB(login, error, fault)) return true;
  ff::UI().ShowMessage(error);
  return false;
}

bool ConnectConfigDB(const ff::LoginValues& login, std::string& error, ff::OpenFault& fault) {
  auto db = std::make_unique<CSimDB>();
  // The old connection goes first: a failed attempt leaves no one logged in.
  DisconnectConfigDB();
  ++g_connectionNumber;
  if (db->Open(login)) {
    g_pConfigDB = db.release();
    // An odbc: server text may carry a password: only the database is named.
    ConnectedName() = login.database.empty() && login.server.rfind("odbc:", 0) != 0 ? login.server : login.database;
    return true;
  }
  error = db->GetLastErrMsg();
  fault = db->GetOpenFault();
  return false;
}

void DisconnectConfigDB() {
  if (!g_pConfigDB) return;
  ++g_connectionNumber;
  g_pConfigDB->Close();
  delete g_pConfigDB;
  g_pConfigDB = nullptr;
  ConnectedName().clear();
}

ConfigSnapshot::ConfigSnapshot() : connection_(g_connectionNumber), begun_(g_pConfigDB != nullptr) {
  if (begun_) g_pConfigDB->BeginSnapshot();
}

ConfigSnapshot::~ConfigSnapshot() {
  if (begun_ && g_pConfigDB && connection_ == g_connectionNumber) g_pConfigDB->EndSnapshot();
}
