#include "multipart_upload.h"

#include <algorithm>
#include <cctype>

namespace fakecard {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return out;
}

std::optional<std::string> FileNameOf(std::string_view disposition) {
  const std::size_t key = Lower(disposition).find("filename=");
  if (key == std::string_view::npos) return std::nullopt;
  std::string_view value = disposition.substr(key + 9);
  if (value.starts_with('"')) {
    value.remove_prefix(1);
    const std::size_t quote = value.find('"');
    if (quote == std::string_view::npos) return std::nullopt;
    return std::string(value.substr(0, quote));
  }
  return std::string(value.substr(0, value.find(';')));
}

}  // namespace

std::optional<std::string> MultipartBoundary(std::string_view contentType) {
  const std::string lower = Lower(contentType);
  if (!lower.starts_with("multipart/form-data")) return std::nullopt;
  const std::size_t key = lower.find("boundary=");
  if (key == std::string::npos) return std::nullopt;
  std::string_view value = contentType.substr(key + 9);
  if (value.starts_with('"')) {
    value.remove_prefix(1);
    value = value.substr(0, value.find('"'));
  } else {
    value = value.substr(0, value.find(';'));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  }
  if (value.empty()) return std::nullopt;
  return std::string(value);
}

std::optional<UploadedFile> ParseUpload(std::string_view body, std::string_view boundary) {
  const std::string delimiter = "--" + std::string(boundary);
  std::size_t pos = body.find(delimiter);
  if (pos == std::string_view::npos) return std::nullopt;
  pos = body.find("\r\n", pos);
  if (pos == std::string_view::npos) return std::nullopt;
  pos += 2;

  std::optional<std::string> name;
  while (true) {
    const std::size_t lineEnd = body.find("\r\n", pos);
    if (lineEnd == std::string_view::npos) return std::nullopt;
    const std::string_view line = body.substr(pos, lineEnd - pos);
    pos = lineEnd + 2;
    if (line.empty()) break;
    if (line.starts_with(delimiter)) continue;
    if (Lower(line).starts_with("content-disposition:")) name = FileNameOf(line);
  }
  if (!name) return std::nullopt;

  std::size_t end = body.rfind("\r\n" + delimiter + "--");
  if (end == std::string_view::npos || end < pos) end = body.find("\r\n" + delimiter, pos);
  if (end == std::string_view::npos || end < pos) return std::nullopt;
  return UploadedFile{std::move(*name), body.substr(pos, end - pos)};
}

}  // namespace fakecard
