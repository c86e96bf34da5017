#include "settings/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/settings_file.h"

bool findSettingsFile(const char* xdgConfigHome, const char* home, char (&path)[4096]) {
  int length = -1;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    length = std::snprintf(path, sizeof path, "%s/gyrotrak/settings", xdgConfigHome);
  } else if (home != nullptr && home[0] == '/') {
    length = std::snprintf(path, sizeof path, "%s/.config/gyrotrak/settings", home);
  }
  if (length > 0 && static_cast<size_t>(length) < sizeof path) return true;
  path[0] = '\0';
  return false;
}

namespace {

// The file's bytes, up to one past the most a settings file may hold.
struct FileText {
  enum State { missing, read, failed } state;
  char bytes[mostSettingsFileBytes + 1];
  size_t size;
  char problem[96];  // for failed
};

void fail(FileText& file, const char* problem) {
  file.state = FileText::failed;
  std::snprintf(file.problem, sizeof file.problem, "%s", problem);
}

// Opened without waiting (a named pipe would wait for a writer), and read only where it is a
// plain file.
void readFileText(const char* path, FileText& file) {
  file.state = FileText::missing;
  file.size = 0;
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) fail(file, std::strerror(errno));
    return;
  }
  struct stat status {};
  if (fstat(fd, &status) != 0) {
    fail(file, std::strerror(errno));
  } else if (S_ISDIR(status.st_mode)) {
    fail(file, "a folder, not a file");
  } else if (!S_ISREG(status.st_mode)) {
    fail(file, "not a plain file");
  } else {
    file.state = FileText::read;
    while (file.size < sizeof file.bytes) {
      const ssize_t got = ::read(fd, file.bytes + file.size, sizeof file.bytes - file.size);
      if (got == 0) break;
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        fail(file, std::strerror(errno));
        break;
      }
      file.size += static_cast<size_t>(got);
    }
    const char* problem =
        file.state == FileText::read ? settingsTextProblem(file.bytes, file.size) : nullptr;
    if (problem != nullptr) fail(file, problem);
  }
  close(fd);
}

// Too large for the stack of a screen saver's start: one buffer, used once at a time.
FileText fileText;

void printLine(const char* line) {
  std::fprintf(stderr, "%s\n", line);
}

// Makes the folder that holds path, and its parent, where they are missing.
void makeFolders(const char* path) {
  char folder[4096];
  std::snprintf(folder, sizeof folder, "%s", path);
  char* slash = std::strrchr(folder, '/');
  if (slash == nullptr || slash == folder) return;
  *slash = '\0';
  char* parent = std::strrchr(folder, '/');
  if (parent != nullptr && parent != folder) {
    *parent = '\0';
    mkdir(folder, 0700);
    *parent = '/';
  }
  mkdir(folder, 0700);
}

bool writeAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t put = write(fd, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<size_t>(put);
  }
  return true;
}

// Writes text to a new file beside target and renames it over target once it is on the disk.
// False, with errno set, where any step fails; the new file is then removed.
bool replaceFile(const char* target, const std::string& text, mode_t mode) {
  char temporary[4096 + 16];
  const char* slash = std::strrchr(target, '/');
  const int folderLength = slash != nullptr ? static_cast<int>(slash - target) : 0;
  std::snprintf(temporary, sizeof temporary, "%.*s/.settings.XXXXXX", folderLength, target);
  const int fd = mkstemp(temporary);
  if (fd < 0) return false;
  bool done = fchmod(fd, mode) == 0 && writeAll(fd, text) && fsync(fd) == 0;
  const int writeError = errno;
  done = close(fd) == 0 && done;
  if (done && rename(temporary, target) == 0) {
    // The rename itself reaches the disk with its folder.
    char folder[4096];
    std::snprintf(folder, sizeof folder, "%.*s", folderLength, target);
    const int folderFd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
      fsync(folderFd);
      close(folderFd);
    }
    return true;
  }
  const int error = done ? errno : writeError;
  unlink(temporary);
  errno = error;
  return false;
}

}  // namespace

void readSettingsFile(const char* path, SettingChoices& choices) {
  readFileText(path, fileText);
  if (fileText.state == FileText::failed) {
    std::fprintf(stderr, "gyrotrak: %.300s: %s; its settings are not used\n", path,
                 fileText.problem);
  } else if (fileText.state == FileText::read) {
    readSettingsText(fileText.bytes, fileText.size, path, choices, printLine);
  }
}

bool writeSettingsFile(const char* path, const Parameters& parameters, char (&error)[512]) {
  // A link, as a collection of settings files kept elsewhere makes, keeps pointing at its
  // target, which is the file rewritten.
  char resolved[PATH_MAX];
  const char* target = realpath(path, resolved) != nullptr ? resolved : path;
  readFileText(target, fileText);
  if (fileText.state == FileText::failed) {
    std::snprintf(error, sizeof error, "gyrotrak: settings not saved: %.300s: %s", target,
                  fileText.problem);
    return false;
  }
  struct stat status {};
  const mode_t mode = stat(target, &status) == 0 ? status.st_mode & 0777 : 0644;
  if (fileText.state == FileText::missing) makeFolders(target);
  if (!replaceFile(target, rewriteSettingsText(fileText.bytes, fileText.size, parameters), mode)) {
    std::snprintf(error, sizeof error, "gyrotrak: settings not saved in %.300s: %s", target,
                  std::strerror(errno));
    return false;
  }
  return true;
}
