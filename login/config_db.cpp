#include "login/config_db.h"

#include <memory>

#include "host/sim_db.h"
#include "host/user_interface.h"

CSimDB* g_pConfigDB = nullptr;

bool ConnectConfigDB(const std::string& server, const std::string& user, const std::string& password,
                     const std::string& database) {
  auto db = std::make_unique<CSimDB>();
  // The old connection goes first: a failed attempt leaves no one logged in.
  DisconnectConfigDB();
  if (db->Open(server.c_str(), user.c_str(), password.c_str(), database.c_str())) {
    g_pConfigDB = db.release();
    return true;
  }
  ff::UI().ShowMessage(db->GetLastErrMsg());
  return false;
}

void DisconnectConfigDB() {
  if (!g_pConfigDB) return;
  g_pConfigDB->Close();
  delete g_pConfigDB;
  g_pConfigDB = nullptr;
}
