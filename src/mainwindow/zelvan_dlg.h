#pragma once

#include <filesystem>
#include <memory>

#include "app/app_services.h"
#include "app/editor_context.h"
#include "app/editor_document.h"
#include "ui/dialog_controller.h"

namespace zelvan {

// The main editor window. It owns the document for the whole run.
class CZelvanDlg final : public ui::DialogController {
 public:
  CZelvanDlg(AppServices services, const std::filesystem::path& configPath);
  ~CZelvanDlg() override;

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int id, ui::Notification notification) override;

  const EditorDocument* Document() const { return document_.get(); }

 private:
  EditorContext Context(ui::Dialog& dialog) { return {*document_, dialog, services_}; }
  void ReadAtStartup(ui::Dialog& dialog);
  void OnClicked(ui::Dialog& dialog, int id);
  void Close(ui::Dialog& dialog);
  void DestroyDocument();
  void ShowAbout();
  void SetUseFlashAir(ui::Dialog& dialog);

  AppServices services_;
  std::unique_ptr<EditorDocument> document_;
};

}  // namespace zelvan
