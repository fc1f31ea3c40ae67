#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelvan::platform {

// Receives a reply's body piece by piece, together with the reply's status code. Returning
// false ends the transfer at once; a stop the caller asked for is not a failure.
using HttpSink = std::function<bool(int status, std::span<const std::uint8_t> piece)>;

struct HttpResult {
  // The text of a communication failure (refused, dropped, timed out, ...); nothing when the
  // exchange completed or the sink stopped it.
  std::optional<std::string> failure;
  int status = 0;              // the reply's status code, 0 when none arrived
  bool stoppedBySink = false;  // the sink ended the transfer while body bytes were arriving

  bool ok() const { return !failure.has_value(); }
};

// A small blocking HTTP client. Each call is one exchange on a connection of its own, closed
// before the call returns, so nothing carries over from one exchange to the next.
class HttpClient {
 public:
  virtual ~HttpClient() = default;

  // GET of url with no extra header lines.
  virtual HttpResult Get(std::string_view url, const HttpSink& sink) = 0;

  // POST of body to url with one extra header line ("Name: value", no line end). No
  // "Expect: 100-continue" is sent: the whole request goes out at once.
  virtual HttpResult Post(std::string_view url, std::string_view headerLine,
                          std::span<const std::uint8_t> body, const HttpSink& sink) = 0;
};

struct HttpTimeouts {
  // Gives up connecting (name lookup included) after this long.
  std::chrono::milliseconds connect{5000};
  // A transfer that moves no byte for this long fails.
  std::chrono::seconds stall{15};
};

// The libcurl client. It honours the usual proxy environment (http_proxy, no_proxy).
class CurlHttpClient final : public HttpClient {
 public:
  explicit CurlHttpClient(HttpTimeouts timeouts = {});

  HttpResult Get(std::string_view url, const HttpSink& sink) override;
  HttpResult Post(std::string_view url, std::string_view headerLine,
                  std::span<const std::uint8_t> body, const HttpSink& sink) override;

 private:
  HttpTimeouts timeouts_;
};

}  // namespace zelvan::platform
