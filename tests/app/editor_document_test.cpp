#include "app/editor_document.h"

#include <gtest/gtest.h>

#include <string>

#include "app/config.h"
#include "support/temp_dir.h"

namespace zelvan {
namespace {

using testing::TempDir;

TEST(ConfigPath, IsZelvanIniInTheGivenFolder) {
  EXPECT_EQ(config::ConfigPathIn("/opt/zelvan"), std::filesystem::path("/opt/zelvan/Zelvan.ini"));
  EXPECT_EQ(config::ConfigPathIn(""), std::filesystem::path("Zelvan.ini"));
}

TEST(CreateDocument, MissingConfigurationGivesTheDefaults) {
  TempDir dir;
  const auto document = CreateDocument(dir / "Zelvan.ini");
  EXPECT_EQ(document->configPath, dir / "Zelvan.ini");
  EXPECT_TRUE(document->checkRange);
  EXPECT_FALSE(document->useFlashAir);
  EXPECT_EQ(document->servoSpeed, 10);
  EXPECT_TRUE(document->startupPath.empty());
  EXPECT_TRUE(document->remoteFolder.empty());
  EXPECT_EQ(document->valueSet, 0);
  EXPECT_EQ(document->startupLength, 0);
  EXPECT_FALSE(document->modified);
  EXPECT_FALSE(document->programImage);
  ASSERT_TRUE(document->startupImage);
  EXPECT_EQ(document->startupImage->bytes.size(), 24576u);
}

TEST(CreateDocument, ReadsEveryKeyItUses) {
  TempDir dir;
  // Paths are read whole, however long: a path cut short would be taken as missing.
  const std::string longPath = "/media/card/" + std::string(300, 'd') + "/STARTUP.XML";
  testing::WriteText(dir / "Zelvan.ini",
                     "[FILE]\r\nPATH=" + longPath +
                         "\r\n[RANGE]\r\nCHECK_RANGE=0\r\n[REMOTE]\r\nSERVO_SPEED=-3\r\n"
                         "FLASH_AIR=1\r\nFOLDER_DIRECTORY=/media/robot/\r\n");
  const auto document = CreateDocument(dir / "Zelvan.ini");
  EXPECT_EQ(document->startupPath.string(), longPath);
  EXPECT_FALSE(document->checkRange);
  EXPECT_EQ(document->servoSpeed, -3);
  EXPECT_TRUE(document->useFlashAir);
  EXPECT_EQ(document->remoteFolder.string(), "/media/robot/");
}

TEST(FreeDocument, ReleasesEverything) {
  TempDir dir;
  auto document = CreateDocument(dir / "Zelvan.ini");
  document->programImage = std::make_unique<ProgramImage>();
  FreeDocument(document);
  EXPECT_FALSE(document);
  FreeDocument(document);  // a second call finds nothing to free
}

}  // namespace
}  // namespace zelvan
