#include "startup/startup_layout.h"

#include <algorithm>

namespace zelvan {

bool HasAttenuatorMarker(std::span<const std::uint8_t> bytes) {
  const std::size_t end = kAttenuatorMarkerOffset + kAttenuatorMarker.size();
  if (bytes.size() < end) return false;
  return std::equal(kAttenuatorMarker.begin(), kAttenuatorMarker.end(),
                    bytes.begin() + kAttenuatorMarkerOffset);
}

}  // namespace zelvan
