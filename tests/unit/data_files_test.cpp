#include "textures/data_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/unit/bmp_bytes.h"
#include "textures/bmp_decoder.h"
#include "textures/bmp_file.h"

namespace {

std::string makeFolder(const std::string& path) {
  mkdir(path.c_str(), 0700);
  return path;
}

void makeFile(const std::string& path, const std::vector<unsigned char>& bytes = {}) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

// A working directory and two data folders, installed then source, in a new temporary folder.
class DataFolders : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(mkdtemp(root), nullptr);
    ASSERT_EQ(chdir(work.assign(makeFolder(std::string(root) + "/work")).c_str()), 0);
    installed = makeFolder(std::string(root) + "/installed");
    source = makeFolder(std::string(root) + "/source");
    setDataFolders({installed, source});
  }
  void TearDown() override {
    ASSERT_EQ(chdir("/"), 0);
    EXPECT_EQ(std::system((std::string("rm -r ") + root).c_str()), 0);
  }
  char root[32] = "/tmp/gyrotrak-data-XXXXXX";
  std::string work, installed, source;
};

}  // namespace

TEST(DataFiles, InstalledFolderBesideTheExecutableComesBeforeTheBuildTreesLink) {
  const std::vector<std::string> expected = {"/opt/g/bin/../share/gyrotrak", "/opt/g/bin/data"};
  EXPECT_EQ(defaultDataFolders("/opt/g/bin/gyrotrak"), expected);
  EXPECT_EQ(defaultDataFolders(""), std::vector<std::string>());
}

TEST_F(DataFolders, WorkingDirectoryFirstThenEachFolderInTurn) {
  const auto first = [] {
    const std::vector<std::string> places = dataFilePaths("font.bmp");
    return places.empty() ? std::string("nowhere") : places[0];
  };
  EXPECT_EQ(first(), "nowhere");  // no place to read, so the load fails quietly
  makeFile(source + "/font.bmp");
  EXPECT_EQ(first(), source + "/font.bmp");
  makeFile(installed + "/font.bmp");
  EXPECT_EQ(first(), installed + "/font.bmp");
  makeFolder(work + "/font.bmp");  // not a file: passed over
  EXPECT_EQ(first(), installed + "/font.bmp");
  rmdir((work + "/font.bmp").c_str());
  makeFile(work + "/font.bmp");
  EXPECT_EQ(first(), "font.bmp");
}

TEST_F(DataFolders, AnImageThatCannotBeUsedCountsAsMissing) {
  const auto read = [] {
    std::vector<unsigned char> rgba;
    const int at = readFirstUsableBmp(dataFilePaths("font.bmp"), 8, -1, 0, rgba);
    return std::make_pair(at, rgba);
  };

  using namespace bmptest;
  Header deep;
  deep.bitsPerPixel = 32;
  const std::vector<unsigned char> good = bmpBytes(numberedPicture(8));
  const std::vector<unsigned char> cut(good.begin(), good.end() - 1);
  std::vector<unsigned char> whole, partial;
  ASSERT_TRUE(decodeBmp(good.data(), good.size(), 8, -1, 0, whole));
  ASSERT_TRUE(decodeBmp(cut.data(), cut.size(), 8, -1, 0, partial));
  makeFile(source + "/font.bmp", good);
  // Empty, headers cut short, pixels cut short, 32-bit: passed over, twice.
  const std::vector<unsigned char> none, headers(good.begin(), good.begin() + 53);
  for (const auto& bytes : {none, headers, cut, bmpBytes(numberedPicture(8), deep)}) {
    makeFile(work + "/font.bmp", bytes);
    makeFile(installed + "/font.bmp", bytes);
    EXPECT_EQ(read(), std::make_pair(2, whole)) << bytes.size() << " bytes";
  }
  // With no whole image anywhere, the first one cut short, as it was read before.
  makeFile(installed + "/font.bmp", cut);
  makeFile(source + "/font.bmp", cut);
  EXPECT_EQ(read(), std::make_pair(1, partial));
  // Read directly, a FIFO or a folder is refused at once, unread: either could take a file's
  // place after the search found it.
  ASSERT_EQ(mkfifo((work + "/fifo.bmp").c_str(), 0600), 0);
  std::vector<unsigned char> rgba;
  EXPECT_EQ(readFirstUsableBmp({work + "/fifo.bmp", work}, 8, -1, 0, rgba), -1);
}
