#pragma once

namespace zelvan {

inline constexpr int kStartupReadFailedMessage = 103;
inline constexpr int kStartupBadValueMessage = 104;
inline constexpr int kStartupWriteFailedMessage = 105;
inline constexpr int kNoNumberMessage = 106;
inline constexpr int kNotDecimalMessage = 107;
inline constexpr int kOutOfRangeMessage = 108;
inline constexpr int kStartupWrittenMessage = 109;
inline constexpr int kRestoreStandardMessage = 110;
inline constexpr int kRangeLimitOffMessage = 115;
inline constexpr int kUnsavedValuesMessage = 116;
inline constexpr int kRestoreUnlimitedMessage = 142;

}  // namespace zelvan
