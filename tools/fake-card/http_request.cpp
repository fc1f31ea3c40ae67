#include "http_request.h"

#include <algorithm>
#include <cctype>

namespace fakecard {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<std::string_view> RequestHead::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (EqualsIgnoringCase(key, name)) return std::string_view(value);
  }
  return std::nullopt;
}

std::optional<RequestHead> ParseRequestHead(std::string_view head) {
  RequestHead result;
  std::size_t lineEnd = head.find("\r\n");
  const std::string_view requestLine = head.substr(0, lineEnd);
  const std::size_t firstSpace = requestLine.find(' ');
  const std::size_t lastSpace = requestLine.rfind(' ');
  if (firstSpace == std::string_view::npos || firstSpace == lastSpace) return std::nullopt;
  result.method = requestLine.substr(0, firstSpace);
  const std::string_view target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
  if (!requestLine.substr(lastSpace + 1).starts_with("HTTP/1.")) return std::nullopt;
  if (target.empty() || target.front() != '/') return std::nullopt;
  const std::size_t question = target.find('?');
  result.path = target.substr(0, question);
  if (question != std::string_view::npos) result.query = target.substr(question + 1);

  while (lineEnd != std::string_view::npos) {
    const std::size_t start = lineEnd + 2;
    lineEnd = head.find("\r\n", start);
    const std::string_view line = head.substr(start, lineEnd - start);
    if (line.empty()) continue;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    result.headers.emplace_back(line.substr(0, colon), TrimBlanks(line.substr(colon + 1)));
  }
  return result;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (text.size() - i < 3) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

std::optional<std::vector<std::pair<std::string, std::string>>> ParseQuery(std::string_view query) {
  std::vector<std::pair<std::string, std::string>> pairs;
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (pair.empty()) continue;
    const std::size_t equals = pair.find('=');
    auto key = PercentDecode(pair.substr(0, equals));
    auto value = PercentDecode(equals == std::string_view::npos ? std::string_view()
                                                                : pair.substr(equals + 1));
    if (!key || !value) return std::nullopt;
    pairs.emplace_back(std::move(*key), std::move(*value));
  }
  return pairs;
}

std::optional<std::vector<std::string>> SplitCardPath(std::string_view path) {
  std::vector<std::string> names;
  while (!path.empty() && path.front() == '/') path.remove_prefix(1);
  while (!path.empty() && path.back() == '/') path.remove_suffix(1);
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    const std::string_view name = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    if (name.find('\0') != std::string_view::npos || name.find('\\') != std::string_view::npos) {
      return std::nullopt;
    }
    names.emplace_back(name);
  }
  return names;
}

}  // namespace fakecard
