#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zelvan {

// The bytes of STARTUP.XML as read; the file's length is kept beside it in the document.
struct StartupImage {
  static constexpr std::size_t kCapacity = 24576;
  std::array<std::uint8_t, kCapacity> bytes{};
};

}  // namespace zelvan
