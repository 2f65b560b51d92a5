#pragma once
// The steps a save of a user's file takes before it writes: the folder the file goes in, made
// with its missing parents, and a damaged file kept aside under a free ".damaged" name. The
// settings file and the sight log save through them.
#include <string>
#include <string_view>

namespace nocturna {

// The folder of path ("." for a bare name, "/" for a file at the root).
std::string ParentFolder(const std::string& path);

// Creates the folder and its missing parents, private to the user as XDG asks. False, with a
// message naming the folder and the system's reason, when one cannot be made.
bool MakeFolders(const std::string& folder, std::string& problem);

// Keeps the file at target under a free ".damaged" name (".damaged-2", ...), its name in copy.
// A hard link leaves the file at its own name until the new one replaces it, so no moment passes
// without a file; where links are not possible the file is renamed. Nothing to keep is success.
bool SetAside(const std::string& target, std::string& copy, std::string& problem);

// Writes every byte to fd, through interrupted and short writes; false (errno set) on failure.
bool WriteAll(int fd, std::string_view bytes);

// The file a save replaces: a symbolic link (a dotfile manager's, say) is followed, so that the
// link stays and its target gets the new contents; any other path is itself.
std::string FileBehindLink(const std::string& path);

}  // namespace nocturna
