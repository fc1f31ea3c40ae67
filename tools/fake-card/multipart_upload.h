#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fakecard {

// The boundary parameter of a multipart Content-Type ("multipart/form-data;boundary=X", with or
// without blanks and quotes). Nothing when the type is not multipart or has no boundary.
std::optional<std::string> MultipartBoundary(std::string_view contentType);

struct UploadedFile {
  std::string name;       // the part's filename
  std::string_view data;  // points into the body that was parsed
};

// Reads the single file part of an upload body. It is as lenient as the card: the editor's
// body repeats the delimiter line after the Content-Disposition line, which standard parsers
// take for an empty part; here delimiter lines among the part's header lines are skipped. The
// file's bytes run to the closing delimiter at the end of the body.
std::optional<UploadedFile> ParseUpload(std::string_view body, std::string_view boundary);

}  // namespace fakecard
