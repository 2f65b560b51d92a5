#pragma once
// The steps a save of a user's file takes around the write itself: the folder the file goes in,
// made with its missing parents; a damaged file kept aside under a free ".damaged" name; the
// file behind a symbolic link; and the temporary files that killed saves left behind.
#include <string>
#include <string_view>

namespace nocturna {

// The folder of path ("." for a bare name, "/" for a file at the root).
std::string ParentFolder(const std::string& path);

// Creates the folder and its missing parents, private to the user as XDG asks. False, with a
// message naming the folder and the system's reason, when one cannot be made.
bool MakeFolders(const std::string& folder, std::string& problem);

// Keeps whatever is at path under a free ".damaged" name (".damaged-2", ...), its name in copy.
// A regular file gets a hard link, which leaves it at its own name until the new file replaces
// it, so no moment passes without a file. Anything else (a symbolic link, which a later write
// would follow into the file it names, a folder, a pipe, a device) is moved to the new name, so
// that the save makes a new file and never writes into what it called damaged. Nothing to keep
// is success.
bool SetAside(const std::string& path, std::string& copy, std::string& problem);

// Writes every byte to fd, through interrupted and short writes; false (errno set) on failure.
bool WriteAll(int fd, std::string_view bytes);

// The file a save replaces: a symbolic link (a dotfile manager's, say) is followed, so that the
// link stays and its target gets the new contents; any other path is itself.
std::string FileBehindLink(const std::string& path);

// The template of a save's temporary file beside target: its name, a dot and six letters or
// digits that mkstemp chooses.
std::string TemporaryNameTemplate(const std::string& target);

// Removes the temporary files that saves killed before their rename left beside target: files of
// the temporary naming that no running save holds locked, empty or beginning as `contentsStart`
// (the start of what is saved now) does. Other files of a like name are someone else's.
void RemoveStaleTemporaries(const std::string& target, std::string_view contentsStart);

}  // namespace nocturna
