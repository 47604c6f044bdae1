// Saving a file without ever leaving a half-written target: write a temporary file beside the target,
// check it (the workbook's check is in WorkbookZipCheck.hpp), then rename it over the target.
#pragma once

#include <functional>
#include <string>

namespace xlsx {

// Tells the user something while the save goes on (English, for the log).
using Notice = std::function<void(const std::string& text)>;

// The folder part of `path` ("." for a bare file name).
std::string FolderOf(const std::string& path);

// The file that `path` names once symbolic links are followed, through chains of links; a relative
// link target counts from the link's folder. A path that is no link, or does not exist, is returned as
// it is, so a dangling link gives the file it points to. "" with `error` set for a loop of links, and
// for a link of another user in a shared folder (sticky and writable by others), unless that user owns
// the folder: the kernel follows no such link either.
std::string ResolveLinks(const std::string& path, std::string& error);

// True when `file`, its links already followed (ResolveLinks), is a regular file or is not there: only
// such a target is replaced. Else false, with `error` saying what it is.
bool IsReplaceable(const std::string& file, std::string& error);

// Creates a new, empty, hidden file in the target's folder (".<name>.<random>.tmp", the name shortened
// when the whole would be longer than the folder allows): readable by its owner alone when a file
// exists at the target (it takes that file's attributes before the rename), else with the permissions
// a new file gets from the umask and the folder. Returns its path, or "" with `error` set when the
// folder is missing or not writable, or the target has no file name.
std::string ReserveTempBeside(const std::string& target, std::string& error);

// Gives the temporary file the owner, group, extended attributes (ACLs among them) and mode of an
// existing target, flushes it to disk and renames it over the target. Only a regular file is replaced,
// and only one that the user may write and that has no other names (hard links, which a rename would
// split off); an attribute that cannot be carried over fails the save rather than change who may
// read or write the file. A target that another program holds a lease on is waited for until the
// holder lets go, at most the kernel's lease-break time; a wait of more than a moment is told to
// `notice`, once. On failure the temporary file is removed, the target is left as it was, and `error`
// says why.
bool ReplaceTarget(const std::string& temp_path, const std::string& target, std::string& error,
                   const Notice& notice);

// Removes the temporary file, if any.
void DiscardTemp(const std::string& temp_path);

} // namespace xlsx
