#pragma once

#include <filesystem>
#include <memory>

#include "app/app_services.h"
#include "app/editor_document.h"

namespace zelvan {

class CZelvanDlg;

// The application object: runs the main window modally; the program ends when it closes.
class CZelvanApp {
 public:
  CZelvanApp(AppServices services, std::filesystem::path configPath);
  ~CZelvanApp();
  CZelvanApp(const CZelvanApp&) = delete;
  CZelvanApp& operator=(const CZelvanApp&) = delete;

  int Run();

  // The document while the main window holds one; nullptr before and after.
  const EditorDocument* Document() const;

 private:
  AppServices services_;
  std::filesystem::path configPath_;
  std::unique_ptr<CZelvanDlg> mainWindow_;
};

}  // namespace zelvan
