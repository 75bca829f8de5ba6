#include "tds_server/tds_test_server.h"

#include <arpa/inet.h>
#include <iconv.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

#include "host/gbk_text.h"
#include "host/tsql_dialect.h"
#include "host/tsql_functions.h"

namespace ff::test {
namespace {

// Packet types.
constexpr uint8_t kSqlBatch = 0x01;
constexpr uint8_t kReply = 0x04;
constexpr uint8_t kAttention = 0x06;
constexpr uint8_t kLogin7 = 0x10;
constexpr uint8_t kPreLogin = 0x12;

// Tokens.
constexpr uint8_t kColMetaData = 0x81;
constexpr uint8_t kError = 0xAA;
constexpr uint8_t kLoginAck = 0xAD;
constexpr uint8_t kRow = 0xD1;
constexpr uint8_t kEnvChange = 0xE3;
constexpr uint8_t kDone = 0xFD;

// DONE status bits.
constexpr uint16_t kDoneError = 0x0002;
constexpr uint16_t kDoneCount = 0x0010;
constexpr uint16_t kDoneAttention = 0x0020;

// Data types.
constexpr uint8_t kIntN = 0x26;
constexpr uint8_t kBigVarChar = 0xA7;
constexpr uint8_t kNVarChar = 0xE7;

constexpr uint32_t kTds72 = 0x72090002;
constexpr uint32_t kTds71 = 0x71000001;

// Chinese_PRC_CI_AS: LCID 0x0804 (code page 936), case-insensitive.
constexpr uint8_t kChineseCollation[5] = {0x04, 0x08, 0xD0, 0x00, 0x00};

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A converter opened once per thread: opening one costs more than most of
// the conversions it serves.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

std::string Iconv(const Converter& converter, std::string_view in) {
  if (!converter.ok()) return {};
  iconv_t cd = converter.get();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
  std::string out(in.size() * 2 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      size_t used = dst - out.data();
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dstLeft = out.size() - used;
    } else {  // a byte the converter rejects: drop it
      ++src;
      --srcLeft;
    }
  }
  out.resize(dst - out.data());
  return out;
}

std::string Utf16ToUtf8(std::string_view utf16) {
  thread_local const Converter converter("UTF-8", "UTF-16LE");
  return Iconv(converter, utf16);
}
std::string Utf8ToUtf16(std::string_view utf8) {
  thread_local const Converter converter("UTF-16LE", "UTF-8");
  return Iconv(converter, utf8);
}

// A token stream being built.
class Writer {
 public:
  void U8(uint8_t v) { bytes_ += static_cast<char>(v); }
  void U16(uint16_t v) {
    U8(v & 0xFF);
    U8(v >> 8);
  }
  void U16BE(uint16_t v) {
    U8(v >> 8);
    U8(v & 0xFF);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void U32BE(uint32_t v) {
    U16BE(v >> 16);
    U16BE(v & 0xFFFF);
  }
  void U64(uint64_t v) {
    U32(v & 0xFFFFFFFF);
    U32(v >> 32);
  }
  void Bytes(std::string_view b) { bytes_ += b; }
  void Bytes(const uint8_t* b, size_t n) { bytes_.append(reinterpret_cast<const char*>(b), n); }
  // Texts with a character count in one byte (B_VARCHAR) or two (US_VARCHAR).
  void BVarChar(std::string_view utf8) {
    std::string w = Utf8ToUtf16(utf8);
    U8(static_cast<uint8_t>(w.size() / 2));
    Bytes(w);
  }
  void UsVarChar(std::string_view utf8) {
    std::string w = Utf8ToUtf16(utf8);
    U16(static_cast<uint16_t>(w.size() / 2));
    Bytes(w);
  }
  size_t size() const { return bytes_.size(); }
  std::string& bytes() { return bytes_; }
  // Patches a two-byte length at `pos` to cover everything after it.
  void PatchLength16(size_t pos) {
    uint16_t len = static_cast<uint16_t>(bytes_.size() - pos - 2);
    bytes_[pos] = static_cast<char>(len & 0xFF);
    bytes_[pos + 1] = static_cast<char>(len >> 8);
  }

 private:
  std::string bytes_;
};

uint16_t Le16(std::string_view b, size_t pos) {
  if (pos + 2 > b.size()) return 0;
  return static_cast<uint8_t>(b[pos]) | (static_cast<uint8_t>(b[pos + 1]) << 8);
}
uint32_t Le32(std::string_view b, size_t pos) { return Le16(b, pos) | (uint32_t{Le16(b, pos + 2)} << 16); }

struct Cell {
  int type = SQLITE_NULL;
  int64_t integer = 0;
  std::string text;  // UTF-8
};

}  // namespace

// One client connection: reads requests, answers them, until the client
// leaves, the server stops, or nothing arrives for too long.
class TdsConnection {
 public:
  TdsConnection(TdsTestServer& server, int socket) : server_(server), socket_(socket) {}
  ~TdsConnection() {
    if (db_) sqlite3_close(db_);
  }

  void Run() {
    uint8_t type = 0;
    std::string message;
    while (Receive(type, message)) {
      server_.lastActivity_ = NowMs();
      if (server_.options_.silent) continue;
      if (server_.options_.requestDelay.count() > 0) std::this_thread::sleep_for(server_.options_.requestDelay);
      bool keep = true;
      switch (type) {
        case kPreLogin:
          ++server_.preLogins_;
          keep = AnswerPreLogin();
          break;
        case kLogin7:
          ++server_.loginRecords_;
          keep = AnswerLogin(message);
          break;
        case kSqlBatch: keep = loggedIn_ && AnswerBatch(message); break;
        case kAttention: {
          Writer w;
          Done(w, kDoneAttention, 0, 0);
          keep = Send(w.bytes());
          break;
        }
        default: keep = false; break;  // RPC and the rest: not spoken here
      }
      if (!keep) break;
    }
  }

 private:
  // Reads one whole message (its packets up to end-of-message). False when
  // the peer closed, the server stops, or the idle time ran out.
  bool Receive(uint8_t& type, std::string& message) {
    message.clear();
    for (int packets = 0; packets < 4096; ++packets) {
      uint8_t header[8];
      if (!ReadExactly(header, sizeof header)) return false;
      size_t length = (header[2] << 8) | header[3];
      if (length < 8) return false;
      std::string body(length - 8, '\0');
      if (!ReadExactly(reinterpret_cast<uint8_t*>(body.data()), body.size())) return false;
      type = header[0];
      message += body;
      if (header[1] & 0x01) return true;
    }
    return false;
  }

  bool ReadExactly(uint8_t* to, size_t n) {
    int64_t deadline = NowMs() + server_.options_.idleSeconds * 1000LL;
    while (n > 0) {
      if (server_.stopping_ || NowMs() > deadline) return false;
      pollfd p{socket_, POLLIN, 0};
      int ready = poll(&p, 1, 100);
      if (ready < 0 && errno != EINTR) return false;
      if (ready <= 0) continue;
      ssize_t got = recv(socket_, to, n, 0);
      if (got <= 0) return false;
      to += got;
      n -= got;
    }
    return true;
  }

  // Sends the whole answer in one write: packets written one by one would
  // each wait for the client's acknowledgement of the one before.
  bool Send(std::string_view payload) {
    const size_t chunk = packetSize_ - 8;
    size_t pos = 0;
    std::string packet;
    packet.reserve(payload.size() + (payload.size() / chunk + 1) * 8);
    do {
      size_t n = std::min(chunk, payload.size() - pos);
      bool last = pos + n == payload.size();
      packet += static_cast<char>(kReply);
      packet += static_cast<char>(last ? 0x01 : 0x00);
      packet += static_cast<char>((n + 8) >> 8);
      packet += static_cast<char>((n + 8) & 0xFF);
      packet += '\0';
      packet += '\x33';  // process id
      packet += static_cast<char>(packetId_++);
      packet += '\0';
      packet.append(payload.substr(pos, n));
      pos += n;
    } while (pos < payload.size());
    return WriteAll(packet);
  }

  bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      ssize_t sent = send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent < 0 && errno == EINTR) continue;
      if (sent <= 0) return false;
      bytes.remove_prefix(sent);
    }
    return true;
  }

  bool AnswerPreLogin() {
    // VERSION, ENCRYPTION (not supported), INSTOPT, THREADID, MARS.
    const uint8_t tokens[] = {0, 1, 2, 3, 4};
    const std::string data[] = {std::string("\x0F\x00\x07\xD0\x00\x00", 6), std::string("\x02", 1),
                                std::string("\x00", 1), std::string("\x00\x00\x00\x01", 4),
                                std::string("\x00", 1)};
    Writer w;
    size_t offset = 5 * 5 + 1;
    for (int i = 0; i < 5; ++i) {
      w.U8(tokens[i]);
      w.U16BE(static_cast<uint16_t>(offset));
      w.U16BE(static_cast<uint16_t>(data[i].size()));
      offset += data[i].size();
    }
    w.U8(0xFF);
    for (const auto& d : data) w.Bytes(d);
    return Send(w.bytes());
  }

  // A text of the LOGIN7 record: offset and length (in characters) at `at`.
  static std::string LoginText(std::string_view m, size_t at, bool password = false) {
    size_t offset = Le16(m, at), chars = Le16(m, at + 2);
    if (offset + chars * 2 > m.size()) return {};
    std::string raw(m.substr(offset, chars * 2));
    if (password) {  // undo the nibble swap and XOR of the wire form
      for (char& c : raw) {
        uint8_t b = static_cast<uint8_t>(c) ^ 0xA5;
        c = static_cast<char>(((b & 0x0F) << 4) | (b >> 4));
      }
    }
    return Utf16ToUtf8(raw);
  }

  bool AnswerLogin(std::string_view m) {
    if (m.size() < 94) return false;
    tdsVersion_ = Le32(m, 4);
    if (tdsVersion_ < kTds71) return false;  // only TDS 7.1 and later here
    std::string user = LoginText(m, 40);
    std::string password = LoginText(m, 44, true);
    std::string database = LoginText(m, 68);
    const TdsServerOptions& o = server_.options_;
    {
      std::lock_guard lock(server_.mutex_);
      server_.loginsSeen_.push_back({user, password, database});
    }

    Writer w;
    if (user != o.user || password != o.password) {
      ++server_.refusedLogins_;
      Error(w, 18456, 1, 14, "Login failed for user '" + user + "'.");
      Done(w, kDoneError, 0, 0);
      Send(w.bytes());
      return false;
    }
    if (!database.empty() && !o.database.empty() && database != o.database) {
      ++server_.refusedLogins_;
      Error(w, 4060, 1, 11,
            "Cannot open database \"" + database + "\" requested by the login. The login failed.");
      Error(w, 18456, 1, 14, "Login failed for user '" + user + "'.");
      Done(w, kDoneError, 0, 0);
      Send(w.bytes());
      return false;
    }
    if (!OpenDatabase()) {
      Error(w, 4060, 1, 11, "Cannot open the database behind the test server.");
      Done(w, kDoneError, 0, 0);
      Send(w.bytes());
      return false;
    }

    EnvChangeText(w, 1, database.empty() ? o.database : database, "master");
    {  // the server's collation
      w.U8(kEnvChange);
      size_t at = w.size();
      w.U16(0);
      w.U8(7);
      w.U8(5);
      w.Bytes(kChineseCollation, 5);
      w.U8(0);
      w.PatchLength16(at);
    }
    EnvChangeText(w, 2, "us_english", "");
    {
      w.U8(kLoginAck);
      size_t at = w.size();
      w.U16(0);
      w.U8(1);  // T-SQL
      w.U32BE(tdsVersion_ > 0x74000004 ? 0x74000004 : tdsVersion_);
      w.BVarChar("Microsoft SQL Server");
      w.U32BE(0x0F0007D0);  // 15.0.2000
      w.PatchLength16(at);
    }
    uint32_t asked = Le32(m, 8);
    if (asked >= 512 && asked <= 32767) packetSize_ = asked;
    EnvChangeText(w, 4, std::to_string(packetSize_), "4096");
    Done(w, 0, 0, 0);
    loggedIn_ = true;
    ++server_.logins_;
    return Send(w.bytes());
  }

  bool OpenDatabase() {
    if (sqlite3_open_v2(server_.options_.databasePath.c_str(), &db_, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK)
      return false;
    return tsql::RegisterFunctions(db_);
  }

  bool AnswerBatch(std::string_view m) {
    size_t skip = 0;
    if (tdsVersion_ >= kTds72) skip = Le32(m, 0);  // ALL_HEADERS
    if (skip > m.size()) return false;
    std::string sql = Utf16ToUtf8(m.substr(skip));
    ++server_.batchCount_;
    if (server_.options_.keepBatches) {
      std::lock_guard lock(server_.mutex_);
      server_.batches_.push_back(sql);
    }
    Writer w;
    // Session settings the drivers send after the login change nothing here.
    std::string head = gbk::ToUpper(gbk::TrimLeft(sql.substr(0, 8)));
    if (head.rfind("SET ", 0) == 0) {
      Done(w, 0, 0, 0);
      return Send(w.bytes());
    }
    std::string adapted = tsql::AdaptForSqlite(sql);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, adapted.c_str(), -1, &stmt, nullptr) != SQLITE_OK || !stmt) {
      Error(w, 102, 1, 15, sqlite3_errmsg(db_));
      Done(w, kDoneError, 0, 0);
      sqlite3_finalize(stmt);
      return Send(w.bytes());
    }
    int columns = sqlite3_column_count(stmt);
    std::vector<std::vector<Cell>> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      std::vector<Cell> row(columns);
      for (int c = 0; c < columns; ++c) {
        row[c].type = sqlite3_column_type(stmt, c);
        if (row[c].type == SQLITE_INTEGER) {
          row[c].integer = sqlite3_column_int64(stmt, c);
        } else if (row[c].type != SQLITE_NULL) {
          const char* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
          row[c].text.assign(t ? t : "", sqlite3_column_bytes(stmt, c));
        }
      }
      rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
      Error(w, 50000, 1, 16, sqlite3_errmsg(db_));
      Done(w, kDoneError, 0, 0);
      sqlite3_finalize(stmt);
      return Send(w.bytes());
    }
    if (columns == 0) {
      sqlite3_finalize(stmt);
      Done(w, 0, 0, 0);
      return Send(w.bytes());
    }
    WriteResult(w, stmt, columns, rows);
    sqlite3_finalize(stmt);
    return Send(w.bytes());
  }

  // Columns whose values are all integers go out as BIGINT, the rest as
  // text in the server's encoding.
  void WriteResult(Writer& w, sqlite3_stmt* stmt, int columns,
                   const std::vector<std::vector<Cell>>& rows) {
    const TdsServerOptions& o = server_.options_;
    const bool plpAllowed = tdsVersion_ >= kTds72;
    std::vector<bool> integer(columns, true), longText(columns, false);
    std::vector<std::vector<std::string>> encoded(rows.size(), std::vector<std::string>(columns));
    for (int c = 0; c < columns; ++c) {
      bool any = false;
      for (const auto& row : rows) {
        if (row[c].type == SQLITE_NULL) continue;
        any = true;
        if (row[c].type != SQLITE_INTEGER) integer[c] = false;
      }
      if (!any) {
        const char* decl = sqlite3_column_decltype(stmt, c);
        integer[c] = decl && std::strstr(decl, "INT");
      }
      if (integer[c]) continue;
      size_t longest = 0;
      for (size_t r = 0; r < rows.size(); ++r) {
        const Cell& cell = rows[r][c];
        if (cell.type == SQLITE_NULL) continue;
        std::string text = cell.type == SQLITE_INTEGER ? std::to_string(cell.integer) : cell.text;
        encoded[r][c] = o.nationalText ? Utf8ToUtf16(text) : gbk::FromUtf8(text);
        longest = std::max(longest, encoded[r][c].size());
      }
      longText[c] = plpAllowed && longest > o.maxShortBytes;
    }

    w.U8(kColMetaData);
    w.U16(static_cast<uint16_t>(columns));
    for (int c = 0; c < columns; ++c) {
      if (tdsVersion_ >= kTds72) w.U32(0); else w.U16(0);  // user type
      w.U16(0x0001);                                        // nullable
      if (integer[c]) {
        w.U8(kIntN);
        w.U8(8);
      } else {
        w.U8(o.nationalText ? kNVarChar : kBigVarChar);
        w.U16(longText[c] ? 0xFFFF : 8000);
        w.Bytes(kChineseCollation, 5);
      }
      w.BVarChar(sqlite3_column_name(stmt, c));
    }
    for (size_t r = 0; r < rows.size(); ++r) {
      w.U8(kRow);
      for (int c = 0; c < columns; ++c) {
        const Cell& cell = rows[r][c];
        if (integer[c]) {
          if (cell.type == SQLITE_NULL) {
            w.U8(0);
          } else {
            w.U8(8);
            w.U64(static_cast<uint64_t>(cell.integer));
          }
        } else if (longText[c]) {
          if (cell.type == SQLITE_NULL) {
            w.U64(~uint64_t{0});
            continue;
          }
          const std::string& v = encoded[r][c];
          w.U64(v.size());
          for (size_t pos = 0; pos < v.size(); pos += 3000) {  // in chunks
            std::string_view part = std::string_view(v).substr(pos, 3000);
            w.U32(static_cast<uint32_t>(part.size()));
            w.Bytes(part);
          }
          w.U32(0);
        } else if (cell.type == SQLITE_NULL) {
          w.U16(0xFFFF);
        } else {
          w.U16(static_cast<uint16_t>(encoded[r][c].size()));
          w.Bytes(encoded[r][c]);
        }
      }
    }
    Done(w, kDoneCount, 0xC1, rows.size());
  }

  void Done(Writer& w, uint16_t status, uint16_t command, uint64_t count) {
    w.U8(kDone);
    w.U16(status);
    w.U16(command);
    if (tdsVersion_ >= kTds72) w.U64(count); else w.U32(static_cast<uint32_t>(count));
  }

  void Error(Writer& w, uint32_t number, uint8_t state, uint8_t severity, std::string_view text) {
    w.U8(kError);
    size_t at = w.size();
    w.U16(0);
    w.U32(number);
    w.U8(state);
    w.U8(severity);
    w.UsVarChar(text);
    w.BVarChar("FIDFORGE-TEST");
    w.BVarChar("");
    if (tdsVersion_ >= kTds72) w.U32(1); else w.U16(1);
    w.PatchLength16(at);
  }

  void EnvChangeText(Writer& w, uint8_t type, std::string_view now, std::string_view before) {
    w.U8(kEnvChange);
    size_t at = w.size();
    w.U16(0);
    w.U8(type);
    w.BVarChar(now);
    w.BVarChar(before);
    w.PatchLength16(at);
  }

  TdsTestServer& server_;
  int socket_;
  sqlite3* db_ = nullptr;
  uint32_t tdsVersion_ = 0x74000004;
  size_t packetSize_ = 4096;
  uint8_t packetId_ = 1;
  bool loggedIn_ = false;
};

TdsTestServer::TdsTestServer(TdsServerOptions options) : options_(std::move(options)) {}

TdsTestServer::~TdsTestServer() { Stop(); }

bool TdsTestServer::Start(std::string& error) {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  if (listener_ < 0) {
    error = std::strerror(errno);
    return false;
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t size = sizeof address;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, 8) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    error = std::strerror(errno);
    close(listener_);
    listener_ = -1;
    return false;
  }
  port_ = ntohs(address.sin_port);
  lastActivity_ = NowMs();
  acceptThread_ = std::thread([this] { AcceptLoop(); });
  return true;
}

void TdsTestServer::AcceptLoop() {
  while (!stopping_) {
    if (NowMs() - lastActivity_ > options_.idleSeconds * 1000LL) break;  // stops by itself
    pollfd p{listener_, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    int client = accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    lastActivity_ = NowMs();
    JoinFinished();
    std::lock_guard lock(mutex_);
    if (connections_.size() >= 16) {  // bounded: a runaway client cannot pile up threads
      close(client);
      continue;
    }
    auto finished = std::make_shared<std::atomic<bool>>(false);
    connections_.push_back({std::thread([this, client, finished] {
                              Serve(client);
                              *finished = true;
                            }),
                            finished});
  }
}

void TdsTestServer::JoinFinished() {
  std::lock_guard lock(mutex_);
  for (auto it = connections_.begin(); it != connections_.end();) {
    if (*it->finished) {
      it->thread.join();
      it = connections_.erase(it);
    } else {
      ++it;
    }
  }
}

void TdsTestServer::Serve(int socket) {
  // Answers go out at once, not held back until the client acknowledges
  // the previous segment (which a client delays by up to 40 ms).
  int on = 1;
  setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  {
    TdsConnection connection(*this, socket);
    connection.Run();
  }
  shutdown(socket, SHUT_RDWR);
  close(socket);
}

void TdsTestServer::Stop() {
  stopping_ = true;
  if (acceptThread_.joinable()) acceptThread_.join();
  std::vector<Connection> connections;
  {
    std::lock_guard lock(mutex_);
    connections.swap(connections_);
  }
  for (auto& c : connections) c.thread.join();  // each sees stopping_ within 100 ms
  if (listener_ >= 0) close(listener_);
  listener_ = -1;
}

std::vector<std::string> TdsTestServer::batches() const {
  std::lock_guard lock(mutex_);
  return batches_;
}

std::vector<TdsTestServer::LoginSeen> TdsTestServer::loginsSeen() const {
  std::lock_guard lock(mutex_);
  return loginsSeen_;
}

}  // namespace ff::test
