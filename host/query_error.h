// A query the database refused or could not finish. A failed query is
// never taken for an empty result: it stops the generation, the listing
// or the check that ran it, and its reason reaches the user.
#pragma once

#include <stdexcept>
#include <string>

namespace ff {

// The reason given when a query runs with no connection at all.
inline constexpr const char* kNotConnected = "not connected to a database";

class QueryError : public std::runtime_error {
 public:
  // `reason` is the database's own message, `what` what was being done
  // ("cannot generate OUT/Process.cpp"); both GBK. `what` may be empty
  // until a caller that knows it tells it with Within().
  explicit QueryError(std::string reason, std::string what = {});

  const std::string& Reason() const { return reason_; }
  const std::string& What() const { return what_; }
  // "what: reason", or the reason alone when nothing says what (GBK).
  std::string Message() const;
  // The same failure told as part of `what`; one that already says what
  // it concerns keeps its own, nearer, description.
  QueryError Within(const std::string& what) const;
  // Shows the report through the user interface (OK button).
  void ReportError() const;

 private:
  std::string reason_;
  std::string what_;
};

}  // namespace ff
