#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/Ansi.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ansi;

constexpr const char* kSection = "Software\\Korvand Software\\Korvand Handbook";

class SettingsStoreTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return folder_.path() / "Korvand" / "Handbook.conf"; }
  std::string FileText() const {
    std::ifstream in(File());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  testing_support::TempDir folder_;
};

TEST_F(SettingsStoreTest, ValuesReachTheFileAndReadBackInAnotherStore) {
  {
    platform::SettingsStore settings(File());
    settings.WriteText(kSection, "Greeting", ansi("Привет, мир"));
    settings.WriteInteger("Software\\Korvand\\Form5", "Left", -120);
    settings.WriteDateTime(kSection, "LastUpdate", 39811.75);
  }
  EXPECT_NE(FileText().find("LastUpdate=39811.75"), std::string::npos) << FileText();
  platform::SettingsStore settings(File());
  EXPECT_EQ(settings.ReadText(kSection, "Greeting"), ansi("Привет, мир"));
  EXPECT_EQ(settings.ReadInteger("Software\\Korvand\\Form5", "Left"), -120);
  EXPECT_DOUBLE_EQ(settings.ReadDateTime(kSection, "LastUpdate"), 39811.75);
  EXPECT_EQ(settings.ReadText(kSection, "Missing"), std::nullopt);
  EXPECT_EQ(settings.ReadInteger(kSection, "Greeting"), std::nullopt);
}

TEST_F(SettingsStoreTest, ASectionExistsOnceCreatedEvenWithoutValues) {
  platform::SettingsStore settings(File());
  EXPECT_FALSE(settings.HasSection(kSection));
  settings.CreateSection(kSection);
  EXPECT_TRUE(settings.HasSection(kSection));
  EXPECT_TRUE(settings.HasSection("Software\\Korvand Software"));
  EXPECT_FALSE(settings.HasSection("Software\\Korvand"));
  EXPECT_EQ(settings.ReadText(kSection, "LastUpdate"), std::nullopt);
}

TEST_F(SettingsStoreTest, AMissingOrUnreadableDateIsAnError) {
  platform::SettingsStore settings(File());
  EXPECT_THROW(settings.ReadDateTime(kSection, "LastUpdate"), platform::SettingsError);
  settings.WriteText(kSection, "LastUpdate", "29.12.2008");
  EXPECT_THROW(settings.ReadDateTime(kSection, "LastUpdate"), platform::SettingsError);
}

TEST_F(SettingsStoreTest, AFileThatCannotBeWrittenRaisesAnError) {
  std::ofstream(folder_.path() / "Korvand") << "a file where the folder should be";
  platform::SettingsStore settings(File());
  EXPECT_THROW(settings.WriteDateTime(kSection, "LastUpdate", 39811.0), platform::SettingsError);
  EXPECT_THROW(settings.CreateSection(kSection), platform::SettingsError);
}

// A settings file damaged on disk (cut short, binary junk, a section never closed): what cannot be
// read is missing, and a value written afterwards is kept and read back; a file Qt cannot parse is
// kept beside the new one. Qt used to refuse every write to such a file.
TEST_F(SettingsStoreTest, ADamagedFileReadsAsMissingAndTakesNewValues) {
  const std::string damaged[] = {
      std::string("[Software\\Korvand Software\\Korvand Handbook]\nLastUpdate=39811.7"),
      std::string("\x00\xff\xfe[\x01\x02=\n\n\x80\x81", 11),
      "[Software\\Korvand Software\\Korvand Handbook\nLastUpdate=\n=\n[[]]\n",
  };
  for (const std::string& content : damaged) {
    SCOPED_TRACE(content);
    std::filesystem::create_directories(File().parent_path());
    std::ofstream(File(), std::ios::binary | std::ios::trunc) << content;
    {
      platform::SettingsStore settings(File());
      EXPECT_EQ(settings.ReadInteger("Software\\Korvand\\Form5", "Left"), std::nullopt);
      settings.WriteDateTime(kSection, "LastUpdate", 40000.5);
    }
    platform::SettingsStore settings(File());
    EXPECT_DOUBLE_EQ(settings.ReadDateTime(kSection, "LastUpdate"), 40000.5);
    settings.WriteInteger("Software\\Korvand\\Form5", "Left", 7);
    EXPECT_EQ(platform::SettingsStore(File()).ReadInteger("Software\\Korvand\\Form5", "Left"), 7);
  }
  std::ifstream kept(File().string() + ".damaged", std::ios::binary);
  std::stringstream keptText;
  keptText << kept.rdbuf();
  EXPECT_EQ(keptText.str(), damaged[2]) << "the last file Qt could not parse";
}

TEST_F(SettingsStoreTest, DefaultFileLivesUnderTheUsersConfigurationFolder) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string restore = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", folder_.path().c_str(), 1);
  EXPECT_EQ(platform::SettingsStore::DefaultFile(), File());
  if (saved) setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
