#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace zelvan::platform {
namespace {

// An iconv descriptor carries conversion state, so each call opens its own; the calls are
// rare and short, and this keeps the functions safe to use from any thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::optional<std::string> Convert(std::string_view input) {
    if (!valid()) return std::nullopt;
    std::string output(input.size() * 2 + 16, '\0');
    // iconv's interface is not const-correct; it never writes through the input pointer.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    // The last pass (null input) flushes any shift state; CP932 has none, but this keeps
    // the loop correct for any pairing.
    bool flushing = false;
    while (true) {
      char* out = output.data() + written;
      std::size_t outLeft = output.size() - written;
      const std::size_t result = flushing ? iconv(cd_, nullptr, nullptr, &out, &outLeft)
                                          : iconv(cd_, &in, &inLeft, &out, &outLeft);
      written = output.size() - outLeft;
      if (result != static_cast<std::size_t>(-1)) {
        if (flushing) break;
        flushing = true;
        continue;
      }
      if (errno != E2BIG) return std::nullopt;  // EILSEQ or a sequence cut short (EINVAL)
      output.resize(output.size() * 2);
    }
    output.resize(written);
    return output;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return Converter("UTF-8", "CP932").Convert(cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Converter("CP932", "UTF-8").Convert(utf8);
}

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {

// Calls visit(position) for every single-byte character equal to ch, in order. A lead
// byte at the very end has no trail byte and counts as a character of its own.
template <typename Visit>
void ForEachSingleByteMatch(std::string_view cp932, char ch, Visit visit) {
  std::size_t i = 0;
  while (i < cp932.size()) {
    if (IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size()) {
      i += 2;
      continue;
    }
    if (cp932[i] == ch && !visit(i)) return;
    ++i;
  }
}

}  // namespace

std::size_t FindFirstCp932(std::string_view cp932, char ch) {
  std::size_t found = std::string_view::npos;
  ForEachSingleByteMatch(cp932, ch, [&](std::size_t at) {
    found = at;
    return false;
  });
  return found;
}

std::size_t FindLastCp932(std::string_view cp932, char ch) {
  // Character boundaries are only known walking forward, so the last match is the last one
  // met on the way.
  std::size_t found = std::string_view::npos;
  ForEachSingleByteMatch(cp932, ch, [&](std::size_t at) {
    found = at;
    return true;
  });
  return found;
}

}  // namespace zelvan::platform
