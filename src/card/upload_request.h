#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace zelvan::card {

// The card's upload form: a boundary of 24 "=", written straight after "boundary=" so 25 stand
// in a row in the header line.
inline constexpr std::string_view kUploadBoundary = "========================";

// The FAT date and time words of a local time, each as four upper-case hex digits, date first.
// Times outside FAT's years 1980..2107 become the nearest time it can hold.
std::string FatTimestampHex(const platform::LocalDateTime& time);

// "?WRITEPROTECT=OFF&UPDIR=/" + folder + "&FTIME=0x" + timestamp. The folder is CP932 bytes,
// appended unescaped because that is how the card reads it.
std::string UploadParameterQuery(std::string_view cp932Folder, const platform::LocalDateTime& time);

// "Content-Type: multipart/form-data;boundary=" + boundary, with no blank after the semicolon.
std::string UploadContentTypeLine();

// The multipart body the card accepts: the delimiter line stands both before and after the
// Content-Disposition line, the part has no Content-Type, and the body is 153 + name + data
// bytes long.
std::vector<std::uint8_t> UploadBody(std::string_view name, std::span<const std::uint8_t> data);

// A name that goes between the quotes of the Content-Disposition line without ending it early:
// not empty, no quote, no control character.
bool IsUploadableName(std::string_view name);

// A folder that, appended unescaped, stays inside the UPDIR value of the query.
bool IsUploadableFolder(std::string_view folder);

}  // namespace zelvan::card
