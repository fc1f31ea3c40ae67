#pragma once

// Control IDs of the main window (dialog 102) that the editor refers to by role.
namespace zelvan::main_window_ids {

inline constexpr int kReadButton = 4;
inline constexpr int kWriteButton = 5;
inline constexpr int kRestoreButton = 6;
inline constexpr int kCharaButton = 7;
inline constexpr int kProgramButton = 8;
inline constexpr int kServoLogButton = 9;
inline constexpr int kRemoteSendButton = 10;
inline constexpr int kCaptureButton = 11;
inline constexpr int kImportButton = 12;
inline constexpr int kStartProgramButton = 13;
inline constexpr int kAttenuatorBox = 1000;
inline constexpr int kAttenuatorSpin = 1001;
inline constexpr int kRangeLimitCheck = 1003;
inline constexpr int kOriginSetRadio = 1044;
inline constexpr int kLowerSetRadio = 1045;
inline constexpr int kUpperSetRadio = 1046;
inline constexpr int kRemoteCheck = 1047;
inline constexpr int kFlashAirCheck = 1048;

}  // namespace zelvan::main_window_ids
