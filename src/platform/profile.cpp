#include "platform/profile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/files.h"

namespace zelvan::platform {
namespace {

// A settings file is a few hundred bytes; anything near this size is not one of ours, and
// rewriting only part of it would lose the rest.
constexpr std::size_t kMaxProfileBytes = 16 * 1024 * 1024;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsWhollyQuoted(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

// Offsets into the file's bytes; content excludes the line break, end includes it.
struct Line {
  std::size_t begin = 0;
  std::size_t contentEnd = 0;
  std::size_t end = 0;
};

struct Profile {
  std::string text;
  std::size_t bodyStart = 0;  // past a UTF-8 BOM, which is kept but never parsed
  std::vector<Line> lines;

  std::string_view Content(const Line& line) const {
    return std::string_view(text).substr(line.begin, line.contentEnd - line.begin);
  }
};

std::optional<std::string_view> SectionName(std::string_view content) {
  content = TrimLeft(content);
  if (content.empty() || content.front() != '[') return std::nullopt;
  content.remove_prefix(1);
  const std::size_t close = content.find(']');
  if (close != std::string_view::npos) content = content.substr(0, close);
  return Trim(content);
}

struct KeyLine {
  std::string_view key;    // as spelt in the file, blanks trimmed
  std::string_view value;  // everything after the first '='
};

std::optional<KeyLine> ParseKeyLine(std::string_view content) {
  const std::string_view start = TrimLeft(content);
  if (start.empty() || start.front() == ';' || start.front() == '[') return std::nullopt;
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(content.substr(0, equals)), content.substr(equals + 1)};
}

enum class LoadResult { Ok, Missing, Unusable };

LoadResult Load(const std::filesystem::path& file, Profile& profile) {
  const ReadResult read = ReadWholeFile(file, kMaxProfileBytes);
  if (read.status == ReadStatus::NotFound) return LoadResult::Missing;
  if (!read.ok() || read.exceedsCapacity) return LoadResult::Unusable;
  profile.text.assign(read.bytes.begin(), read.bytes.end());
  if (std::string_view(profile.text).starts_with(kUtf8Bom)) profile.bodyStart = kUtf8Bom.size();

  const std::string& text = profile.text;
  std::size_t pos = profile.bodyStart;
  while (pos < text.size()) {
    Line line{pos, text.size(), text.size()};
    const std::size_t newline = text.find('\n', pos);
    if (newline != std::string::npos) {
      line.contentEnd = newline;
      line.end = newline + 1;
    }
    if (line.contentEnd > line.begin && text[line.contentEnd - 1] == '\r') --line.contentEnd;
    profile.lines.push_back(line);
    pos = line.end;
  }
  return LoadResult::Ok;
}

// Where a key lives. Only the first section of a name counts, and within it the first key
// of a name, so reads and writes always agree on which line is meant.
struct Location {
  std::optional<std::size_t> sectionLine;
  std::size_t sectionEnd = 0;  // index of the first line past the section
  std::optional<std::size_t> keyLine;
};

Location Find(const Profile& profile, std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  Location found;
  for (std::size_t i = 0; i < profile.lines.size(); ++i) {
    const std::string_view content = profile.Content(profile.lines[i]);
    if (const auto name = SectionName(content)) {
      if (found.sectionLine) {
        found.sectionEnd = i;
        return found;
      }
      if (EqualsIgnoringCase(*name, section)) found.sectionLine = i;
      continue;
    }
    if (!found.sectionLine || found.keyLine) continue;
    if (const auto keyLine = ParseKeyLine(content);
        keyLine && EqualsIgnoringCase(keyLine->key, key)) {
      found.keyLine = i;
    }
  }
  found.sectionEnd = profile.lines.size();
  return found;
}

std::optional<std::string> FindValue(const std::filesystem::path& file, std::string_view section,
                                     std::string_view key) {
  if (Trim(key).empty()) return std::nullopt;
  Profile profile;
  if (Load(file, profile) != LoadResult::Ok) return std::nullopt;
  const Location at = Find(profile, section, key);
  if (!at.keyLine) return std::nullopt;
  std::string_view value = Trim(ParseKeyLine(profile.Content(profile.lines[*at.keyLine]))->value);
  if (IsWhollyQuoted(value)) value = value.substr(1, value.size() - 2);
  return std::string(value);
}

// A line break inside a name or value would smuggle extra lines into the file; the other
// characters would make the name unreadable on the next read.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
  constexpr std::string_view kBreaks("\r\n\0", 3);
  if (section.find_first_of(kBreaks) != std::string_view::npos ||
      section.find(']') != std::string_view::npos) {
    return false;
  }
  if (key.empty() || key.front() == ';' || key.front() == '[' ||
      key.find_first_of(kBreaks) != std::string_view::npos ||
      key.find('=') != std::string_view::npos) {
    return false;
  }
  return value.find_first_of(kBreaks) == std::string_view::npos;
}

// Reading trims blanks and strips one pair of enclosing quotes; a value that would lose
// either is written inside double quotes so it reads back exactly as given.
std::string EncodeValue(std::string_view value) {
  const bool needsQuotes =
      !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsWhollyQuoted(value));
  if (!needsQuotes) return std::string(value);
  return "\"" + std::string(value) + "\"";
}

std::string_view LineBreakOf(const Profile& profile) {
  const std::size_t newline = profile.text.find('\n', profile.bodyStart);
  if (newline != std::string::npos && newline > profile.bodyStart &&
      profile.text[newline - 1] == '\r') {
    return "\r\n";
  }
  return "\n";
}

}  // namespace

std::string ReadProfileText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view defaultValue) {
  try {
    if (auto value = FindValue(file, section, key)) return std::move(*value);
    return std::string(defaultValue);
  } catch (...) {
    return std::string(defaultValue);
  }
}

int ReadProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int defaultValue) {
  std::optional<std::string> value;
  try {
    value = FindValue(file, section, key);
  } catch (...) {
    return defaultValue;
  }
  if (!value || value->empty()) return defaultValue;

  std::string_view digits = TrimLeft(*value);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  // Accumulated as a magnitude in 64 bits and held just past INT_MAX's reach, so a long
  // run of digits saturates instead of overflowing.
  constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT_MAX) + 1;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') break;
    magnitude = std::min(magnitude * 10 + (c - '0'), kLimit);
  }
  if (negative) return static_cast<int>(-magnitude);  // -kLimit is INT_MIN exactly
  return static_cast<int>(std::min<std::int64_t>(magnitude, INT_MAX));
}

bool WriteProfileText(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view value) {
  try {
    section = Trim(section);
    key = Trim(key);
    if (!IsWritable(section, key, value)) return false;

    Profile profile;
    // A file that exists but cannot be read is never replaced: its settings would be lost.
    if (Load(file, profile) == LoadResult::Unusable) return false;

    const std::string_view lineBreak = LineBreakOf(profile);
    const std::string encoded = EncodeValue(value);
    std::string& text = profile.text;
    const Location at = Find(profile, section, key);

    if (at.keyLine) {
      const Line& line = profile.lines[*at.keyLine];
      const std::string_view fileKey = ParseKeyLine(profile.Content(line))->key;
      text.replace(line.begin, line.contentEnd - line.begin, std::string(fileKey) + "=" + encoded);
    } else if (at.sectionLine) {
      // After the section's last non-blank line, so blank lines separating it from the
      // next section stay where they are.
      std::size_t last = *at.sectionLine;
      for (std::size_t i = *at.sectionLine + 1; i < at.sectionEnd; ++i) {
        if (!Trim(profile.Content(profile.lines[i])).empty()) last = i;
      }
      const Line& line = profile.lines[last];
      std::string insert;
      if (text[line.end - 1] != '\n') insert += lineBreak;  // the file's last line, unended
      insert += std::string(key) + "=" + encoded;
      insert += lineBreak;
      text.insert(line.end, insert);
    } else {
      std::string append;
      if (text.size() > profile.bodyStart && text.back() != '\n') append += lineBreak;
      append += "[" + std::string(section) + "]";
      append += lineBreak;
      append += std::string(key) + "=" + encoded;
      append += lineBreak;
      text += append;
    }

    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteWholeFile(file, std::span<const std::uint8_t>(data, text.size())) ==
           WriteStatus::Ok;
  } catch (...) {
    return false;
  }
}

}  // namespace zelvan::platform
