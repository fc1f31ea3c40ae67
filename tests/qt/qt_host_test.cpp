#include "qt/qt_host.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <array>

#include "qt/modal_helper.h"
#include "qt/qstring_printer.h"
#include "qt/qt_dialog.h"
#include "qt/recording_controller.h"
#include "resources/dialog_templates.h"
#include "resources/string_table.h"

namespace zelvan::qt {
namespace {

using testing::RecordingController;
using testing::WhenModalOpens;

TEST(QtHostMessage, EachStyleShowsItsIconAndButtonsAndAnswersWithTheButtonPressed) {
  struct Case {
    ui::MessageStyle style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;  // NoButton: Escape
    ui::Answer answer;
  };
  const auto kYesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  const Case cases[] = {
      {ui::MessageStyle::Report, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
       ui::Answer::Ok},
      {ui::MessageStyle::Report, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::NoButton,
       ui::Answer::Ok},
      {ui::MessageStyle::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Yes, ui::Answer::Yes},
      {ui::MessageStyle::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::No, ui::Answer::No},
      {ui::MessageStyle::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::NoButton, ui::Answer::No},
      {ui::MessageStyle::SaveQuestion, QMessageBox::Question, kYesNoCancel, QMessageBox::No,
       ui::Answer::No},
      {ui::MessageStyle::SaveQuestion, QMessageBox::Question, kYesNoCancel, QMessageBox::NoButton,
       ui::Answer::Cancel},
      {ui::MessageStyle::ConfirmQuestion, QMessageBox::Question,
       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, ui::Answer::Cancel},
      {ui::MessageStyle::Warning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
       ui::Answer::Ok},
  };
  const std::array<std::string, 1> args = {"-1800..1800"};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style) * 100 + static_cast<int>(c.press));
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    const auto acted = WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
      title = box.windowTitle();
      text = box.text();
      icon = box.icon();
      buttons = box.standardButtons();
      if (c.press == QMessageBox::NoButton) {
        QTest::keyClick(&box, Qt::Key_Escape);
      } else {
        box.button(c.press)->click();
      }
    });
    QtHost host;
    EXPECT_EQ(host.Message(108, c.style, args), c.answer);
    ASSERT_TRUE(*acted);
    EXPECT_EQ(title, QStringLiteral("Zelvan"));
    EXPECT_EQ(text.toStdString(), resources::FormatMessage(108, args));
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
  }
}

TEST(QtHostModal, DialogsOpenModallyOverTheTopmostAndMessagesOverThem) {
  QtHost host;
  RecordingController mainController;
  RecordingController aboutController;
  QWidget* mainWindow = nullptr;
  QWidget* aboutOwner = nullptr;
  QWidget* messageOwner = nullptr;
  int aboutResult = -1;

  // Main window: a click on 4 opens the About box; the About box's OK shows a message.
  mainController.onCommand = [&](ui::Dialog& dialog, int id, ui::Notification) {
    if (id == 4) {
      WhenModalOpens<QtDialog>([&](QtDialog& about) {
        aboutOwner = about.parentWidget();
        EXPECT_TRUE(about.isModal());
        QTest::mouseClick(about.Widget(ui::kIdOk), Qt::LeftButton);
      });
      aboutResult = host.RunModal(resources::AboutDialogTemplate(), aboutController);
    }
    if (id == ui::kIdCancel) dialog.End(ui::kIdCancel);
  };
  aboutController.onCommand = [&](ui::Dialog& dialog, int id, ui::Notification) {
    WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
      messageOwner = box.parentWidget();
      box.button(QMessageBox::Ok)->click();
    });
    host.Message(109, ui::MessageStyle::Report);
    dialog.End(id);
  };
  WhenModalOpens<QtDialog>([&](QtDialog& window) {
    mainWindow = &window;
    QTest::mouseClick(window.Widget(4), Qt::LeftButton);
    window.close();
  });
  EXPECT_EQ(host.RunModal(resources::MainWindowTemplate(), mainController), ui::kIdCancel);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_EQ(aboutOwner, mainWindow);
  EXPECT_NE(messageOwner, nullptr);
  EXPECT_NE(messageOwner, mainWindow);  // over the About box, the topmost then
  EXPECT_EQ(aboutResult, ui::kIdOk);
  EXPECT_EQ(host.Top(), nullptr);
}

TEST(QtHostModal, ADialogEndedDuringItsInitialisationReturnsWithoutShowing) {
  QtHost host;
  RecordingController controller;
  controller.onInit = [](ui::Dialog& dialog) { dialog.End(ui::kIdOk); };
  EXPECT_EQ(host.RunModal(resources::CharaDialogTemplate(), controller), ui::kIdOk);
}

TEST(QtHostColour, TheColourDialogStartsAtThePresetAndCancelGivesNothing) {
  QtHost host;
  QColor shown;
  WhenModalOpens<QColorDialog>([&](QColorDialog& dialog) {
    shown = dialog.currentColor();
    dialog.setCurrentColor(QColor(10, 20, 30));
    dialog.accept();
  });
  EXPECT_EQ(host.PickColour({175, 70, 0}), (ui::Rgb{10, 20, 30}));
  EXPECT_EQ(shown, QColor(175, 70, 0));

  WhenModalOpens<QColorDialog>([](QColorDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(host.PickColour({1, 2, 3}), std::nullopt);
}

class QtHostFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    for (const char* name : {"startup.xml", "サーボ01.LOG", "キャプチャー.LOG", "notes.txt"}) {
      QFile file(folder_.filePath(QString::fromUtf8(name)));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("synthetic");
    }
  }

  // The names the dialog lists in its folder once it has read it.
  static QStringList Listed(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view) return {};
    QStringList names;
    for (int tries = 0; tries < 200 && names.isEmpty(); ++tries) {
      QTest::qWait(10);
      const QModelIndex root = view->rootIndex();
      for (int row = 0; row < view->model()->rowCount(root); ++row) {
        names << view->model()->index(row, 0, root).data().toString();
      }
    }
    names.sort();
    return names;
  }

  QTemporaryDir folder_;
};

TEST_F(QtHostFile, OpensInTheFolderWithTheNameAndListsWhatTheFilterNames) {
  struct Case {
    std::string filter;
    QStringList listed;
  };
  const Case cases[] = {
      // Patterns match regardless of case, as on the card's file system.
      {"ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||", {"startup.xml"}},
      // Japanese names, which Qt's own filter syntax cannot hold, are still offered.
      {"ｻｰﾎﾞﾛｸﾞﾌｧｲﾙ|サーボ01.LOG|ｷｬﾌﾟﾁｬｰﾌｧｲﾙ|キャプチャー.LOG||", {"サーボ01.LOG"}},
      {"初期化ﾌｧｲﾙ|性格.LOG;flag.log||", {"キャプチャー.LOG", "サーボ01.LOG"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    QtHost host;
    QStringList listed;
    QString directory;
    QStringList named;
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
      directory = dialog.directory().absolutePath();
      named = dialog.selectedFiles();
      listed = Listed(dialog);
      if (listed.isEmpty()) {
        dialog.reject();  // accepting a missing file would open a warning box
        return;
      }
      // The user types the name of a listed file (selectFile leaves a focused name box be).
      auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name) name->setText(listed.front());
      static_cast<QDialog&>(dialog).accept();
    });
    // The initial name is not in the folder, so the dialog lists only what the filter lets
    // through.
    const auto chosen = host.OpenFile({.filter = c.filter,
                                       .defaultExtension = "LOG",
                                       .initialName = "REMOTE.LOG",
                                       .initialFolder = folder_.path().toStdString()});
    EXPECT_EQ(directory, QDir(folder_.path()).absolutePath());
    EXPECT_EQ(named, QStringList{QDir(folder_.path()).filePath(QStringLiteral("REMOTE.LOG"))});
    EXPECT_EQ(listed, c.listed);
    ASSERT_TRUE(chosen.has_value());
    ASSERT_FALSE(c.listed.isEmpty());
    EXPECT_EQ(*chosen, QDir(folder_.path()).filePath(c.listed.front()).toStdString());
  }
}

TEST_F(QtHostFile, CancelGivesNothing) {
  QtHost host;
  WhenModalOpens<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(host.OpenFile({.filter = "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ|*.KPX||",
                           .defaultExtension = "KPX",
                           .initialFolder = folder_.path().toStdString()}),
            std::nullopt);
}

TEST(QtHostBusy, TheWaitCursorShowsWhileAnyScopeLives) {
  QtHost host;
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    const ui::BusyScope outer = host.Busy();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      ui::BusyScope inner = host.Busy();
      ui::BusyScope moved = std::move(inner);
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zelvan::qt
