#pragma once

#include <string>
#include <vector>

// Where the program finds its two images. It reads them by their bare names from the working
// directory, as it always has; when a file is not there, or the image in it cannot be used, it
// looks in each data folder in turn.
// By default those are the installed data folder beside the executable (../share/gyrotrak) and
// the folder data beside it, which only a build tree has: the build links it to the source
// tree's data/. So a build started from anywhere and an installed copy both find their images,
// and the program names no folder of the machine it was built on.

// The default data folders for the executable at executablePath (an absolute path; empty when
// unknown).
std::vector<std::string> defaultDataFolders(const std::string& executablePath);

// Replaces the data folders searched after the working directory (tests search none).
void setDataFolders(const std::vector<std::string>& folders);

// Every place holding a file by the data file name, in the order they are searched: the
// working directory's, then each data folder's; so a copy that cannot be used can count as
// missing and the next place's be read.
std::vector<std::string> dataFilePaths(const char* name);
