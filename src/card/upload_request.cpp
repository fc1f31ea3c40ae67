#include "card/upload_request.h"

#include <algorithm>
#include <cstdio>

namespace zelvan::card {
namespace {

void Append(std::vector<std::uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

}  // namespace

std::string FatTimestampHex(const platform::LocalDateTime& time) {
  // FAT counts years 1980..2107 in seven bits; a clock outside that range gets the nearest
  // time FAT can hold instead of a year that spills into the other fields.
  platform::LocalDateTime t = time;
  if (t.year < 1980) t = {1980, 1, 1, 0, 0, 0};
  if (t.year > 2107) t = {2107, 12, 31, 23, 59, 58};
  const auto bits = [](int value, unsigned mask) { return static_cast<unsigned>(value) & mask; };
  const unsigned date =
      (bits(t.year - 1980, 0x7F) << 9) | (bits(t.month, 0x0F) << 5) | bits(t.day, 0x1F);
  const unsigned clock =
      (bits(t.hour, 0x1F) << 11) | (bits(t.minute, 0x3F) << 5) | bits(t.second / 2, 0x1F);
  char text[9];
  std::snprintf(text, sizeof text, "%04X%04X", date & 0xFFFF, clock & 0xFFFF);
  return text;
}

std::string UploadParameterQuery(std::string_view cp932Folder,
                                 const platform::LocalDateTime& time) {
  std::string query = "?WRITEPROTECT=OFF&UPDIR=/";
  query += cp932Folder;
  query += "&FTIME=0x";
  query += FatTimestampHex(time);
  return query;
}

std::string UploadContentTypeLine() {
  return "Content-Type: multipart/form-data;boundary=" + std::string(kUploadBoundary);
}

std::vector<std::uint8_t> UploadBody(std::string_view name, std::span<const std::uint8_t> data) {
  const std::string delimiter = "--" + std::string(kUploadBoundary) + "\r\n";
  std::vector<std::uint8_t> body;
  body.reserve(153 + name.size() + data.size());
  Append(body, delimiter);
  Append(body, "Content-Disposition: form-data; name=\"upload.cgi\";filename=\"");
  Append(body, name);
  Append(body, "\"\r\n");
  Append(body, delimiter);
  Append(body, "\r\n");
  body.insert(body.end(), data.begin(), data.end());
  Append(body, "\r\n--");
  Append(body, kUploadBoundary);
  Append(body, "--\r\n");
  return body;
}

bool IsUploadableName(std::string_view name) {
  return !name.empty() && std::none_of(name.begin(), name.end(), [](char ch) {
    return ch == '"' || IsControl(static_cast<unsigned char>(ch));
  });
}

bool IsUploadableFolder(std::string_view folder) {
  // "&" would start another query key, "#" end the query, "?" and "%" be read as syntax, and a
  // blank or control character end the request line.
  return std::none_of(folder.begin(), folder.end(), [](char ch) {
    return std::string_view("&#?% ").find(ch) != std::string_view::npos ||
           IsControl(static_cast<unsigned char>(ch));
  });
}

}  // namespace zelvan::card
