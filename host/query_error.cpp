#include "host/query_error.h"

#include "host/gbk_text.h"
#include "host/user_interface.h"

namespace ff {
namespace {

std::string Joined(const std::string& what, const std::string& reason) {
  return what.empty() ? reason : what + ": " + reason;
}

}  // namespace

QueryError::QueryError(std::string reason, std::string what)
    : std::runtime_error(gbk::ToUtf8(Joined(what, reason))), reason_(std::move(reason)), what_(std::move(what)) {}

std::string QueryError::Message() const { return Joined(what_, reason_); }

QueryError QueryError::Within(const std::string& what) const {
  return what_.empty() ? QueryError(reason_, what) : *this;
}

void QueryError::ReportError() const { UI().ReportQueryError(*this); }

}  // namespace ff
