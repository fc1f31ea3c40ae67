#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zelvan {

// The bytes of a main program file as read; its length is kept beside it in the document.
struct ProgramImage {
  static constexpr std::size_t kCapacity = 154398;
  std::array<std::uint8_t, kCapacity> bytes{};
};

// Edition 0 to 7 of the loaded main program.
using ProgramEdition = int;

}  // namespace zelvan
