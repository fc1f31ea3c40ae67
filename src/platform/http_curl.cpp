#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <new>
#include <string>

#include "platform/http.h"

namespace zelvan::platform {
namespace {

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

using SteadyClock = std::chrono::steady_clock;

// State shared with the callbacks of one exchange.
struct Receiver {
  CURL* easy = nullptr;
  const HttpSink* sink = nullptr;
  bool stoppedBySink = false;
  std::optional<std::string> callbackFailure;  // set by a callback that ended the exchange

  std::chrono::seconds stallLimit{};
  curl_off_t bytesMoved = -1;
  SteadyClock::time_point lastMove = SteadyClock::now();
};

int ResponseCode(CURL* easy) {
  long code = 0;
  if (curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code) != CURLE_OK) return 0;
  return static_cast<int>(code);
}

extern "C" std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& receiver = *static_cast<Receiver*>(user);
  const std::size_t length = size * count;
  try {
    const std::span piece(reinterpret_cast<const std::uint8_t*>(data), length);
    if ((*receiver.sink)(ResponseCode(receiver.easy), piece)) return length;
    receiver.stoppedBySink = true;
  } catch (const std::bad_alloc&) {
    receiver.callbackFailure = "out of memory";
  } catch (...) {
    receiver.callbackFailure = "the reply could not be taken in";
  }
  return 0;  // anything but length makes libcurl end the transfer
}

// libcurl's own low-speed check averages over a window of several seconds, so bytes sent at
// the start of an exchange would keep a dead connection alive well past the limit; this
// measures from the last byte that actually moved either way.
extern "C" int WatchProgress(void* user, curl_off_t, curl_off_t downloaded, curl_off_t,
                             curl_off_t uploaded) {
  auto& receiver = *static_cast<Receiver*>(user);
  const auto now = SteadyClock::now();
  if (downloaded + uploaded != receiver.bytesMoved) {
    receiver.bytesMoved = downloaded + uploaded;
    receiver.lastMove = now;
    return 0;
  }
  if (now - receiver.lastMove < receiver.stallLimit) return 0;
  try {
    receiver.callbackFailure = "Operation timed out: no data moved in " +
                               std::to_string(receiver.stallLimit.count()) + " s";
  } catch (...) {
    receiver.callbackFailure.reset();  // libcurl's own text then describes the stop
  }
  return 1;
}

class Exchange {
 public:
  Exchange(const HttpTimeouts& timeouts, std::string_view url, const HttpSink& sink)
      : easy_(curl_easy_init()), url_(url) {
    errorText_[0] = '\0';
    receiver_.easy = easy_.get();
    receiver_.sink = &sink;
    if (!easy_) return;
    CURL* easy = easy_.get();
    curl_easy_setopt(easy, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText_);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connect.count()));
    receiver_.stallLimit = timeouts.stall;
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, WatchProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &receiver_);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &receiver_);
  }

  CURL* easy() const { return easy_.get(); }

  HttpResult Perform() {
    HttpResult result;
    if (!easy_) {
      result.failure = "the HTTP client could not be started";
      return result;
    }
    const CURLcode code = curl_easy_perform(easy_.get());
    result.status = ResponseCode(easy_.get());
    result.stoppedBySink = receiver_.stoppedBySink;
    if (receiver_.callbackFailure) {
      result.failure = std::move(receiver_.callbackFailure);
    } else if (code == CURLE_WRITE_ERROR && receiver_.stoppedBySink) {
      // The sink had all it wanted.
    } else if (code != CURLE_OK) {
      result.failure =
          errorText_[0] != '\0' ? std::string(errorText_) : std::string(curl_easy_strerror(code));
    }
    return result;
  }

 private:
  EasyHandle easy_;
  std::string url_;
  Receiver receiver_;
  char errorText_[CURL_ERROR_SIZE];
};

HttpResult OutOfMemory() {
  HttpResult result;
  result.failure = "out of memory";
  return result;
}

}  // namespace

CurlHttpClient::CurlHttpClient(HttpTimeouts timeouts) : timeouts_(timeouts) {
  InitialiseCurlOnce();
}

HttpResult CurlHttpClient::Get(std::string_view url, const HttpSink& sink) {
  try {
    Exchange exchange(timeouts_, url, sink);
    if (exchange.easy()) curl_easy_setopt(exchange.easy(), CURLOPT_HTTPGET, 1L);
    return exchange.Perform();
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

HttpResult CurlHttpClient::Post(std::string_view url, std::string_view headerLine,
                                std::span<const std::uint8_t> body, const HttpSink& sink) {
  try {
    // An empty "Expect:" keeps libcurl from asking for 100-continue, which the card does not
    // answer.
    const std::string line(headerLine);
    curl_slist* list = nullptr;
    for (const char* text : {line.c_str(), "Expect:"}) {
      curl_slist* grown = curl_slist_append(list, text);
      if (!grown) {
        curl_slist_free_all(list);
        return OutOfMemory();
      }
      list = grown;
    }
    const HeaderList headers(list);  // must outlive the exchange that points at it

    Exchange exchange(timeouts_, url, sink);
    if (CURL* easy = exchange.easy()) {
      // A null body pointer would make libcurl read the body from its read callback instead.
      static const char kNoBody[] = "";
      const char* data = body.empty() ? kNoBody : reinterpret_cast<const char*>(body.data());
      curl_easy_setopt(easy, CURLOPT_POST, 1L);
      curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
      curl_easy_setopt(easy, CURLOPT_POSTFIELDS, data);
      curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());
    }
    return exchange.Perform();
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

}  // namespace zelvan::platform
