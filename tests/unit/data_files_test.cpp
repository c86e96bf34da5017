#include "textures/data_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string makeFolder(const std::string& path) {
  mkdir(path.c_str(), 0700);
  return path;
}

void makeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fclose(file);
}

}  // namespace

TEST(DataFiles, InstalledFolderBesideTheExecutableComesBeforeTheSourceTree) {
  const std::vector<std::string> expected = {"/opt/g/bin/../share/gyrotrak", "/src/data"};
  EXPECT_EQ(defaultDataFolders("/opt/g/bin/gyrotrak", "/src/data"), expected);
  EXPECT_EQ(defaultDataFolders("", ""), std::vector<std::string>());
}

TEST(DataFiles, WorkingDirectoryFirstThenEachFolderInTurn) {
  char root[] = "/tmp/gyrotrak-data-XXXXXX";
  ASSERT_NE(mkdtemp(root), nullptr);
  const std::string work = makeFolder(std::string(root) + "/work");
  const std::string installed = makeFolder(std::string(root) + "/installed");
  const std::string source = makeFolder(std::string(root) + "/source");
  ASSERT_EQ(chdir(work.c_str()), 0);
  setDataFolders({installed, source});

  EXPECT_EQ(dataFilePath("font.bmp"), "font.bmp");  // nowhere: the bare name, to fail quietly
  makeFile(source + "/font.bmp");
  EXPECT_EQ(dataFilePath("font.bmp"), source + "/font.bmp");
  makeFile(installed + "/font.bmp");
  EXPECT_EQ(dataFilePath("font.bmp"), installed + "/font.bmp");
  makeFolder(work + "/font.bmp");  // not a file: passed over
  EXPECT_EQ(dataFilePath("font.bmp"), installed + "/font.bmp");
  rmdir((work + "/font.bmp").c_str());
  makeFile(work + "/font.bmp");
  EXPECT_EQ(dataFilePath("font.bmp"), "font.bmp");

  ASSERT_EQ(chdir("/"), 0);
  const std::string remove = std::string("rm -r ") + root;
  EXPECT_EQ(std::system(remove.c_str()), 0);
}
