#include "card/card_transfer.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "card/upload_request.h"
#include "platform/codepage.h"

namespace zelvan::card {
namespace {

constexpr std::string_view kUploadPath = "/upload.cgi";
constexpr std::size_t kParameterReplySize = 16;
constexpr std::string_view kParameterAccepted = "SUCCESS";

// Failure texts may end in a line break that would stand inside the message's brackets.
std::string TrimTrailingControls(std::string text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 0x20) text.pop_back();
  return text;
}

bool IsSuccess(int status) { return status >= 200 && status <= 299; }

}  // namespace

std::string CardTransfer::Url(std::string_view pathAndQuery) const {
  std::string url = "http://" + link_.cardHost;
  url += pathAndQuery;
  return url;
}

void CardTransfer::ReportFailure(std::string text) {
  const std::string args[] = {std::move(text)};
  link_.host.Message(kCardCommunicationFailedMessage, ui::MessageStyle::Report, args);
}

DownloadResult CardTransfer::DownloadFile(std::string_view path, std::span<std::uint8_t> buffer) {
  platform::HttpResult result;
  std::vector<std::uint8_t> received;
  bool exceeds = false;
  try {
    // Bytes gather in scratch space, so a reply that fails half-way leaves the buffer alone.
    received.reserve(buffer.size());
    const platform::HttpSink sink = [&](int status, std::span<const std::uint8_t> piece) {
      if (!IsSuccess(status)) return false;  // an error page is not the file
      const std::size_t room = buffer.size() - received.size();
      if (piece.size() > room) {
        // A byte that does not fit is how we learn that the file is longer than the buffer.
        received.insert(received.end(), piece.begin(), piece.begin() + room);
        exceeds = true;
        return false;
      }
      received.insert(received.end(), piece.begin(), piece.end());
      return true;
    };
    const std::string url = Url("/" + std::string(path));
    const ui::BusyScope busy = link_.host.Busy();
    result = link_.http.Get(url, sink);
  } catch (const std::bad_alloc&) {
    result.failure = "out of memory";
  }
  if (!result.ok()) {
    // Bytes that arrived before the failure are not the file; keeping them would let a cut
    // file pass for a whole one.
    ReportFailure(TrimTrailingControls(std::move(*result.failure)));
    return {};
  }
  if (!IsSuccess(result.status)) return {};
  std::copy(received.begin(), received.end(), buffer.begin());
  return {received.size(), exceeds};
}

bool CardTransfer::UploadFile(std::string_view folder, std::string_view name,
                              std::span<const std::uint8_t> data, bool reportErrors) {
  // A name or folder the request cannot carry is refused before anything is sent.
  if (!IsUploadableFolder(folder) || !IsUploadableName(name)) return false;
  if (!SetUploadParameters(folder, reportErrors)) return false;
  return PostFile(name, data);
}

bool CardTransfer::SetUploadParameters(std::string_view folder, bool reportErrors) {
  if (!IsUploadableFolder(folder)) return false;
  platform::HttpResult result;
  std::string reply;
  try {
    // The card names its folders in CP932.
    const std::optional<std::string> cp932Folder = platform::Utf8ToCp932(folder);
    if (!cp932Folder) return false;
    const std::string url =
        Url(std::string(kUploadPath) + UploadParameterQuery(*cp932Folder, link_.clock.Now()));
    const platform::HttpSink sink = [&](int, std::span<const std::uint8_t> piece) {
      const std::size_t take = std::min(piece.size(), kParameterReplySize - reply.size());
      reply.append(reinterpret_cast<const char*>(piece.data()), take);
      return reply.size() < kParameterReplySize;
    };
    const ui::BusyScope busy = link_.host.Busy();
    result = link_.http.Get(url, sink);
  } catch (const std::bad_alloc&) {
    result.failure = "out of memory";
  }
  if (!result.ok()) {
    if (reportErrors) ReportFailure(TrimTrailingControls(std::move(*result.failure)));
    return false;
  }
  return reply.starts_with(kParameterAccepted);
}

bool CardTransfer::PostFile(std::string_view name, std::span<const std::uint8_t> data) {
  if (!IsUploadableName(name)) return false;
  platform::HttpResult result;
  try {
    const std::vector<std::uint8_t> body = UploadBody(name, data);
    const platform::HttpSink discard = [](int, std::span<const std::uint8_t>) { return true; };
    const std::string url = Url(kUploadPath);
    const ui::BusyScope busy = link_.host.Busy();
    result = link_.http.Post(url, UploadContentTypeLine(), body, discard);
  } catch (const std::bad_alloc&) {
    result.failure = "out of memory";
  }
  if (!result.ok()) {
    ReportFailure(std::move(*result.failure));
    return false;
  }
  // A card that refused the file (4xx, 5xx) did not store it; saying it did would lose the
  // user's change without a word.
  if (result.status < 200 || result.status > 399) {
    ReportFailure("HTTP " + std::to_string(result.status));
    return false;
  }
  return true;
}

}  // namespace zelvan::card
