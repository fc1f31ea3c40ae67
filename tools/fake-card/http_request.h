#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fakecard {

// The head of an HTTP/1.x request: request line and header fields.
struct RequestHead {
  std::string method;
  std::string path;   // the target before "?", still percent-encoded
  std::string query;  // after "?", without it
  std::vector<std::pair<std::string, std::string>> headers;

  // The first field of that name (names compare without regard to case).
  std::optional<std::string_view> Header(std::string_view name) const;
};

// Parses the bytes before the blank line that ends a request head. Nothing when malformed.
std::optional<RequestHead> ParseRequestHead(std::string_view head);

// %XX decoding; "+" is left as it is, as in a path. Nothing for a broken escape.
std::optional<std::string> PercentDecode(std::string_view text);

// key=value pairs of a query, values percent-decoded. Nothing for a broken escape.
std::optional<std::vector<std::pair<std::string, std::string>>> ParseQuery(std::string_view query);

// Splits a card path ("/ADDON/SERVO.LOG", "ADDON/") into its names. Nothing when a name is
// empty in the middle, ".", "..", or holds a NUL or backslash: the card serves no path that
// leaves its root.
std::optional<std::vector<std::string>> SplitCardPath(std::string_view path);

}  // namespace fakecard
