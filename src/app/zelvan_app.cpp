#include "app/zelvan_app.h"

#include "mainwindow/zelvan_dlg.h"
#include "resources/dialog_templates.h"

namespace zelvan {

CZelvanApp::CZelvanApp(AppServices services, std::filesystem::path configPath)
    : services_(services), configPath_(std::move(configPath)) {}

CZelvanApp::~CZelvanApp() = default;

int CZelvanApp::Run() {
  mainWindow_ = std::make_unique<CZelvanDlg>(services_, configPath_);
  services_.host.RunModal(resources::MainWindowTemplate(), *mainWindow_);
  mainWindow_.reset();
  return 0;
}

const EditorDocument* CZelvanApp::Document() const {
  return mainWindow_ ? mainWindow_->Document() : nullptr;
}

}  // namespace zelvan
