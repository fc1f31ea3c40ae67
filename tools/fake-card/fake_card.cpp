#include "fake_card.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <charconv>
#include <ctime>
#include <fstream>
#include <iterator>

#include "multipart_upload.h"
#include "platform/codepage.h"

namespace fakecard {
namespace {

constexpr std::size_t kHeadLimit = 64 * 1024;
constexpr std::size_t kBodyLimit = 64 * 1024 * 1024;

std::string_view ReasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 303:
      return "See Other";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 411:
      return "Length Required";
    case 413:
      return "Payload Too Large";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 503:
      return "Service Unavailable";
    default:
      return "Status";
  }
}

std::string ResponseHead(int status, std::string_view contentType, std::size_t length) {
  std::string head = "HTTP/1.1 " + std::to_string(status) + " " +
                     std::string(ReasonPhrase(status)) +
                     "\r\nContent-Type: " + std::string(contentType) +
                     "\r\nContent-Length: " + std::to_string(length) + "\r\n";
  if (status >= 300 && status < 400) head += "Location: /\r\n";
  return head + "Connection: close\r\n\r\n";
}

std::string Response(int status, std::string_view contentType, std::string_view body) {
  return ResponseHead(status, contentType, body.size()) + std::string(body);
}

// Error pages are longer than the smallest files the editor reads (1, 8 and 128 bytes), so a
// client that took the page for the file would be caught.
std::string ErrorPage(int status) {
  const std::string title = std::to_string(status) + " " + std::string(ReasonPhrase(status));
  const std::string page =
      "<!DOCTYPE html>\r\n<html><head><title>" + title + "</title></head>\r\n<body><h1>" + title +
      "</h1>\r\n<p>This is the fake card's error page. It is not the file that was asked for, "
      "and a client that stores it as one has a fault.</p></body></html>\r\n";
  return Response(status, "text/html", page);
}

std::filesystem::path UnderRoot(const std::filesystem::path& root,
                                const std::vector<std::string>& names) {
  std::filesystem::path path = root;
  for (const std::string& name : names) path /= name;
  return path;
}

std::optional<std::uint32_t> ParseFatTime(std::string_view text) {
  if (text.size() != 10 || !(text.starts_with("0x") || text.starts_with("0X"))) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + 10, value, 16);
  if (error != std::errc() || end != text.data() + 10) return std::nullopt;
  return value;
}

// The file's modification time from the FAT words the upload named, as the card's own
// file system would record it.
void SetModificationTime(const std::filesystem::path& file, std::uint32_t fatTime) {
  const std::uint32_t date = fatTime >> 16;
  const std::uint32_t time = fatTime & 0xFFFF;
  std::tm local{};
  local.tm_year = static_cast<int>((date >> 9) + 1980 - 1900);
  local.tm_mon = static_cast<int>(((date >> 5) & 0x0F)) - 1;
  local.tm_mday = static_cast<int>(date & 0x1F);
  local.tm_hour = static_cast<int>(time >> 11);
  local.tm_min = static_cast<int>((time >> 5) & 0x3F);
  local.tm_sec = static_cast<int>((time & 0x1F) * 2);
  local.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&local);
  if (seconds == static_cast<std::time_t>(-1)) return;
  const timespec times[2] = {{0, UTIME_OMIT}, {seconds, 0}};
  utimensat(AT_FDCWD, file.c_str(), times, 0);
}

bool WriteFile(const std::filesystem::path& file, std::string_view data) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

void FakeCard::Serve(int fd) {
  Connection connection(fd, stopping_);
  if (!connection.ReadHead(kHeadLimit)) {
    if (!connection.Raw().empty()) log_.Write(connection.Raw());
    return;
  }
  const std::optional<RequestHead> head = ParseRequestHead(connection.Head());
  if (!head) {
    log_.Write(connection.Raw());
    connection.Send(ErrorPage(400));
    return;
  }

  std::size_t length = 0;
  if (head->Header("Transfer-Encoding")) {
    log_.Write(connection.Raw());
    connection.Send(ErrorPage(501));
    return;
  }
  if (const auto text = head->Header("Content-Length")) {
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), length);
    if (error != std::errc() || end != text->data() + text->size()) {
      log_.Write(connection.Raw());
      connection.Send(ErrorPage(400));
      return;
    }
    if (length > kBodyLimit) {
      log_.Write(connection.Raw());
      connection.Send(ErrorPage(413));
      return;
    }
  } else if (head->method == "POST") {
    log_.Write(connection.Raw());
    connection.Send(ErrorPage(411));
    return;
  }

  const bool isPost = head->method == "POST";
  if (isPost && options_.misbehave.dropPost) {
    connection.ReadBody(length / 2);
    log_.Write(connection.Raw());
    return;  // closing with the rest unread resets the connection under the client
  }
  const bool complete = connection.ReadBody(length);
  log_.Write(connection.Raw());
  if (!complete) return;
  if (options_.misbehave.hang || (isPost && options_.misbehave.hangPost)) {
    connection.WaitForClientToLeave();
    return;
  }

  if (head->path == "/upload.cgi") {
    if (head->method == "GET") return ServeUploadParameters(connection, *head);
    if (isPost) return ServeUpload(connection, *head);
  } else if (head->method == "GET") {
    return ServeFile(connection, *head);
  }
  connection.Send(ErrorPage(405));
}

void FakeCard::ServeFile(Connection& connection, const RequestHead& head) {
  if (options_.misbehave.getStatus) {
    connection.Send(ErrorPage(*options_.misbehave.getStatus));
    return;
  }
  const std::optional<std::string> decoded = PercentDecode(head.path);
  const auto names = decoded ? SplitCardPath(*decoded) : std::nullopt;
  if (!names) {
    connection.Send(ErrorPage(400));
    return;
  }
  const std::filesystem::path file = UnderRoot(options_.root, *names);
  std::error_code error;
  if (names->empty() || !std::filesystem::is_regular_file(file, error)) {
    connection.Send(ErrorPage(404));
    return;
  }
  std::ifstream in(file, std::ios::binary);
  const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) {
    connection.Send(ErrorPage(500));
    return;
  }
  const std::string responseHead = ResponseHead(200, "application/octet-stream", content.size());
  if (options_.misbehave.dropBody) {
    // The declared length promises the whole file; half of it comes and the line goes dead.
    connection.Send(responseHead + content.substr(0, content.size() / 2));
    return;
  }
  connection.Send(responseHead + content);
}

void FakeCard::ServeUploadParameters(Connection& connection, const RequestHead& head) {
  if (options_.misbehave.parameterReply) {
    connection.Send(Response(200, "text/plain", *options_.misbehave.parameterReply));
    return;
  }
  // The card answers "ERROR" rather than an error status for parameters it does not take.
  const auto refuse = [&] { connection.Send(Response(200, "text/plain", "ERROR")); };
  const auto pairs = ParseQuery(head.query);
  if (!pairs) return refuse();
  UploadTarget next;
  {
    const std::lock_guard lock(targetMutex_);
    next = target_;
  }
  for (const auto& [key, value] : *pairs) {
    if (key == "WRITEPROTECT") {
      if (value != "ON" && value != "OFF") return refuse();
    } else if (key == "UPDIR") {
      // The folder comes as CP932 bytes; the fake card keeps its files under UTF-8 names.
      const std::optional<std::string> utf8 = zelvan::platform::Cp932ToUtf8(value);
      const auto names = utf8 && value.starts_with('/') ? SplitCardPath(*utf8) : std::nullopt;
      if (!names) return refuse();
      next.folder = *names;
    } else if (key == "FTIME") {
      const auto fatTime = ParseFatTime(value);
      if (!fatTime) return refuse();
      next.fatTime = fatTime;
    } else {
      return refuse();
    }
  }
  {
    const std::lock_guard lock(targetMutex_);
    target_ = next;
  }
  connection.Send(Response(200, "text/plain", "SUCCESS"));
}

void FakeCard::ServeUpload(Connection& connection, const RequestHead& head) {
  const auto contentType = head.Header("Content-Type");
  const auto boundary = contentType ? MultipartBoundary(*contentType) : std::nullopt;
  const auto upload = boundary ? ParseUpload(connection.Body(), *boundary) : std::nullopt;
  const auto names = upload ? SplitCardPath(upload->name) : std::nullopt;
  if (!names || names->size() != 1) {
    connection.Send(ErrorPage(400));
    return;
  }
  const int status = options_.misbehave.postStatus.value_or(200);
  if (status >= 400) {
    connection.Send(ErrorPage(status));
    return;
  }
  UploadTarget target;
  {
    const std::lock_guard lock(targetMutex_);
    target = target_;
  }
  target.folder.push_back(names->front());
  const std::filesystem::path file = UnderRoot(options_.root, target.folder);
  if (!WriteFile(file, upload->data)) {
    connection.Send(ErrorPage(500));
    return;
  }
  if (target.fatTime) SetModificationTime(file, *target.fatTime);
  connection.Send(Response(status, "text/html", "<html><body>SUCCESS</body></html>\r\n"));
}

}  // namespace fakecard
