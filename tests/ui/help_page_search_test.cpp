// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the help command finds its page: beside the program as in a build folder, else in
// the data folder of an installed tree (bin/ beside share/vorn/), wherever that tree lies.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/install_layout.h"
#include "ui/qt/help_form.h"

namespace vorn::testing {
namespace {

class HelpPageSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QString(kDataFolderFromProgram) != "../share/vorn") {
      GTEST_SKIP() << "built with other install folders: " << kDataFolderFromProgram;
    }
    ASSERT_TRUE(tree_.isValid());
    ASSERT_TRUE(QDir(tree_.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(tree_.path()).mkpath("share/vorn"));
  }

  QString Path(const QString& relative) const { return tree_.filePath(relative); }

  static void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  }

  QTemporaryDir tree_;
};

TEST_F(HelpPageSearchTest, InstalledTreeHasItsPageInTheDataFolder) {
  Touch(Path("share/vorn/vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Path("bin")), Path("share/vorn/vorn.htm"));
  // A folder that merely carries the page's name beside the program is no page.
  ASSERT_TRUE(QDir(Path("bin")).mkdir("vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Path("bin")), Path("share/vorn/vorn.htm"));
}

TEST_F(HelpPageSearchTest, PageBesideTheProgramComesFirst) {
  Touch(Path("share/vorn/vorn.htm"));
  Touch(Path("bin/vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Path("bin")), Path("bin/vorn.htm"));
}

TEST_F(HelpPageSearchTest, NoPageAnywhereGivesTheAddressBesideTheProgram) {
  EXPECT_EQ(HelpPageAddress(Path("bin")), Path("bin/vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Path("bin") + "/"), Path("bin/vorn.htm"));
}

}  // namespace
}  // namespace vorn::testing
