#include "textures/data_files.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Written only by setDataFolders and, on first use, by placesHolding.
std::vector<std::string> dataFolders;
bool dataFoldersSet = false;

bool isFile(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The running executable's absolute path, from the kernel; empty when it cannot tell.
std::string executablePath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || length >= static_cast<ssize_t>(sizeof path)) return "";
  return std::string(path, static_cast<std::size_t>(length));
}

// Every place that holds a file by the bare name, in the order they are searched: the working
// directory, then each data folder.
std::vector<std::string> placesHolding(const std::string& name) {
  if (!dataFoldersSet) setDataFolders(defaultDataFolders(executablePath()));
  std::vector<std::string> places;
  if (isFile(name)) places.push_back(name);
  for (const std::string& folder : dataFolders) {
    const std::string path = folder + "/" + name;
    if (isFile(path)) places.push_back(path);
  }
  return places;
}

}  // namespace

std::vector<std::string> defaultDataFolders(const std::string& executable) {
  const std::string::size_type slash = executable.rfind('/');
  if (slash == std::string::npos) return {};
  const std::string folder = executable.substr(0, slash + 1);
  return {folder + "../share/gyrotrak", folder + "data"};
}

void setDataFolders(const std::vector<std::string>& folders) {
  dataFolders = folders;
  dataFoldersSet = true;
}

std::vector<std::string> dataFilePaths(const char* name) {
  return placesHolding(name);
}
