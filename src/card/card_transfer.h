#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

#include "card/card_link.h"

namespace zelvan::card {

// Message 133, "communication with the card failed [%1]".
inline constexpr int kCardCommunicationFailedMessage = 133;

struct DownloadResult {
  std::size_t count = 0;         // bytes stored from the start of the buffer
  bool exceedsCapacity = false;  // the file went on past the buffer; count is the capacity
};

// Whole-file transfers with the Wi-Fi SD card over its plain HTTP interface. Each exchange
// uses a connection of its own; nothing is kept between calls. A communication failure is
// shown as message 133 and turned into the result; no exception leaves these calls.
class CardTransfer {
 public:
  explicit CardTransfer(CardLink link) : link_(std::move(link)) {}

  // GET of "http://" + host + "/" + path; path is sent as given (callers percent-encode
  // names with EncodeCardNamePercent). The buffer is written only when the whole reply (up
  // to its capacity) arrived with a 2xx status; otherwise the result is 0. A status other
  // than 2xx (a missing file) is no communication failure and shows no message.
  DownloadResult DownloadFile(std::string_view path, std::span<std::uint8_t> buffer);

  // Uploads data as name in folder (UTF-8; empty for the card root): the parameter request,
  // then, only if the card answered "SUCCESS", the POST of the file. reportErrors decides
  // whether a failed parameter request shows message 133; a failed POST always does. True
  // when the card took the file.
  bool UploadFile(std::string_view folder, std::string_view name,
                  std::span<const std::uint8_t> data, bool reportErrors);

  // The GET of "/upload.cgi" with WRITEPROTECT, UPDIR (the folder's CP932 bytes) and FTIME
  // (now, from the clock). True when the card's reply begins with "SUCCESS".
  bool SetUploadParameters(std::string_view folder, bool reportErrors);

  // The multipart POST of the file to "/upload.cgi". True for a 2xx or 3xx reply.
  bool PostFile(std::string_view name, std::span<const std::uint8_t> data);

 private:
  std::string Url(std::string_view pathAndQuery) const;
  void ReportFailure(std::string text);

  CardLink link_;
};

}  // namespace zelvan::card
