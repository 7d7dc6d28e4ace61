// Reading folders: matching files and sub-folders, named as on disk, sorted as a file manager sorts.
#pragma once

#include <string>
#include <vector>

namespace platform::qt {

// The absolute, link-free path of an existing folder; throws Failure for anything else.
std::string canonicalFolder(const std::string& path);

// Regular files (or links to one) whose names match one of the ';'-separated wildcards, letter
// case ignored; hidden files left out. Throws Failure when the folder cannot be read.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);

// Sub-folders (or links to one), hidden ones left out. Throws Failure when the folder cannot be read.
std::vector<std::string> listFolders(const std::string& folder);

// The path of an entry of a folder; the root ends in '/', other folders do not.
std::string childPath(const std::string& folder, const std::string& name);

}  // namespace platform::qt
