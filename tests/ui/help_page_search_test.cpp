// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the help command finds its page: beside the program as in a build folder, else in
// the data folder of an installed tree (bin/ beside share/vorn/), wherever that tree lies and
// whatever bytes name its folders.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  QByteArray Folder(const QString& relative) const { return QFile::encodeName(Path(relative)); }

  static void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  }

  QTemporaryDir tree_;
};

TEST_F(HelpPageSearchTest, InstalledTreeHasItsPageInTheDataFolder) {
  Touch(Path("share/vorn/vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Folder("bin")), Path("share/vorn/vorn.htm"));
  // A folder that merely carries the page's name beside the program is no page.
  ASSERT_TRUE(QDir(Path("bin")).mkdir("vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Folder("bin")), Path("share/vorn/vorn.htm"));
}

TEST_F(HelpPageSearchTest, PageBesideTheProgramComesFirst) {
  Touch(Path("share/vorn/vorn.htm"));
  Touch(Path("bin/vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Folder("bin")), Path("bin/vorn.htm"));
}

TEST_F(HelpPageSearchTest, NoPageAnywhereGivesTheAddressBesideTheProgram) {
  EXPECT_EQ(HelpPageAddress(Folder("bin")), Path("bin/vorn.htm"));
  EXPECT_EQ(HelpPageAddress(Folder("bin") + "/"), Path("bin/vorn.htm"));
}

// The contents of the file that Qt opens at `address`; "(none)" when it opens none.
QByteArray ContentsAt(const QString& address) {
  QFile file(address);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Qt reads a file name as UTF-8: in a folder named by other bytes the page was looked for
// under another name, and never found. Qt cannot name such a folder either, so the test
// makes and removes it through the system itself.
TEST_F(HelpPageSearchTest, AFolderNameThatIsNoUtf8StillLeadsToThePage) {
  const QByteArray tree = QFile::encodeName(tree_.path()) + "/Spiele\xe4";  // Latin-1
  const char* folders[] = {"", "/bin", "/share", "/share/vorn"};
  for (const char* folder : folders) ASSERT_EQ(::mkdir((tree + folder).constData(), 0700), 0);
  const QByteArray pages[] = {tree + "/bin/vorn.htm", tree + "/share/vorn/vorn.htm"};
  for (const QByteArray& page : pages) {
    const int file = ::open(page.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::write(file, page.constData(), page.size()), page.size());
    ::close(file);
  }

  EXPECT_EQ(ContentsAt(HelpPageAddress(tree + "/bin")).toStdString(), pages[0].toStdString());
  ::unlink(pages[0].constData());
  EXPECT_EQ(ContentsAt(HelpPageAddress(tree + "/bin")).toStdString(), pages[1].toStdString());
  ::unlink(pages[1].constData());
  for (int folder = 3; folder >= 0; --folder) ::rmdir((tree + folders[folder]).constData());
}

}  // namespace
}  // namespace vorn::testing
