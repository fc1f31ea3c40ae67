#include "startup/startup_settings.h"

#include <string>
#include <vector>

#include "app/config.h"
#include "platform/files.h"
#include "resources/main_window_ids.h"
#include "startup/hex_field.h"
#include "startup/startup_layout.h"
#include "startup/startup_messages.h"
#include "startup/value_box.h"

namespace zelvan {

namespace {

using namespace main_window_ids;

constexpr std::string_view kStartupFileName = "STARTUP.XML";

ui::FileRequest StartupFileRequest(const EditorDocument& document) {
  return {.filter = "ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||",
          .defaultExtension = "XML",
          .initialName = std::string(kStartupFileName),
          .initialFolder = document.startupPath.parent_path().string()};
}

bool Refuse(const EditorContext& context, int message) {
  context.host().Message(message, ui::MessageStyle::Report);
  context.document.startupPath.clear();
  return false;
}

// Shows the file's values in the boxes. Only the file's own bytes are decoded: a field that
// would reach past its end is refused like a malformed one.
bool DecodeIntoBoxes(const EditorContext& context, std::span<const std::uint8_t> file,
                     StartupLayout layout) {
  ui::Dialog& window = context.window;
  if (HasAttenuatorMarker(file)) {
    window.Enable(kAttenuatorBox, false);
    window.Enable(kAttenuatorSpin, false);
    window.SetText(kAttenuatorBox, "");
  } else {
    const auto attenuator = ParseHexField(file, LayoutInfo(layout).attenuatorOffset);
    if (!attenuator) return Refuse(context, kStartupReadFailedMessage);
    window.Enable(kAttenuatorBox, true);
    window.Enable(kAttenuatorSpin, true);
    window.SetText(kAttenuatorBox, std::to_string(*attenuator));
  }
  for (const ServoRow& row : ServoTable) {
    const auto value = ParseHexField(file, FieldPosition(row, context.document.valueSet, layout));
    if (!value) return Refuse(context, kStartupBadValueMessage);
    window.SetText(row.valueBox, std::to_string(*value));
  }
  return true;
}

}  // namespace

bool ReadStartupSettings(const EditorContext& context, bool askForFile, bool importOnly) {
  EditorDocument& document = context.document;
  std::filesystem::path path = document.startupPath;
  // The file is read aside; the held image changes only when the whole read succeeds.
  std::vector<std::uint8_t> file;

  if (!importOnly && document.useFlashAir) {
    file.resize(kStartupReadCapacity);
    const auto download = context.services.Card().DownloadFile(kStartupFileName, file);
    // A longer file would be cut short by the next write.
    if (download.exceedsCapacity) return Refuse(context, kStartupReadFailedMessage);
    if (download.count == 0) return false;
    file.resize(download.count);
  } else {
    if (askForFile) {
      const auto chosen = context.host().OpenFile(StartupFileRequest(document));
      if (!chosen) return true;
      path = *chosen;
    }
    auto read =
        platform::ReadWholeFile(path, importOnly ? kStartupImportCapacity : kStartupReadCapacity);
    if (!read.ok() || (read.exceedsCapacity && !importOnly)) {
      return Refuse(context, kStartupReadFailedMessage);
    }
    file = std::move(read.bytes);
  }

  // An import takes its values at the positions of the file already held.
  const auto layout =
      LayoutForLength(importOnly ? static_cast<std::size_t>(document.startupLength) : file.size());
  if (!DecodeIntoBoxes(context, file, layout)) return false;

  auto& image = document.startupImage->bytes;
  std::copy(file.begin(), file.end(), image.begin());
  if (importOnly) {
    document.modified = true;
    return true;
  }
  document.startupLength = static_cast<std::int32_t>(file.size());
  document.startupImageHeld = true;
  document.startupPath = path;
  config::WriteText(document.configPath, config::kStartupPath, path.string());
  document.modified = false;
  for (int button : {kWriteButton, kImportButton, kStartProgramButton}) {
    context.window.Enable(button, true);
  }
  return true;
}

bool WriteStartupSettings(const EditorContext& context) {
  EditorDocument& document = context.document;
  // Without a file read in this run the image is no copy of any file.
  if (!document.startupImageHeld) {
    context.host().Message(kStartupWriteFailedMessage, ui::MessageStyle::Report);
    return false;
  }
  const auto layout = LayoutForLength(static_cast<std::size_t>(document.startupLength));
  const std::span<std::uint8_t> image(document.startupImage->bytes.data(),
                                      static_cast<std::size_t>(document.startupLength));

  // The marker's bytes belong to the file: a file without attenuator field never gets one.
  if (context.window.IsEnabled(kAttenuatorBox) && !HasAttenuatorMarker(image)) {
    const auto attenuator = ValidateValueBox(context, kAttenuatorBox, kAttenuatorRange);
    if (!attenuator) return false;
    FormatHexField(*attenuator, image, LayoutInfo(layout).attenuatorOffset);
  }
  for (const ServoRow& row : ServoTable) {
    const auto value =
        ValidateValueBox(context, row.valueBox, ServoRange(row, document.checkRange));
    if (!value) return false;
    FormatHexField(*value, image, FieldPosition(row, document.valueSet, layout));
  }

  const bool written =
      document.useFlashAir
          ? context.services.Card().UploadFile("", kStartupFileName, image, true)
          : platform::WriteWholeFile(document.startupPath, image) == platform::WriteStatus::Ok;
  if (!written) {
    context.host().Message(kStartupWriteFailedMessage, ui::MessageStyle::Report);
    return false;
  }
  context.host().Message(kStartupWrittenMessage, ui::MessageStyle::Report);
  document.modified = false;
  return true;
}

void ClearStartupFields(ui::Dialog& window) {
  window.SetText(kAttenuatorBox, "");
  for (const ServoRow& row : ServoTable) window.SetText(row.valueBox, "");
  for (int button : {kWriteButton, kRemoteSendButton, kImportButton, kStartProgramButton}) {
    window.Enable(button, false);
  }
}

}  // namespace zelvan
