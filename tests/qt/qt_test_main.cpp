#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "qt/application.h"

int main(int argc, char** argv) {
  // Run without a display unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zelvan::qt::PrepareApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
