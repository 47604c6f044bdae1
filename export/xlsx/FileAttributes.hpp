// Who may read and write a file, carried over to the file that replaces it.
#pragma once

#include <string>

#include <sys/stat.h>

namespace xlsx {

// Gives the open file `to` the owner, group, extended attributes (ACLs among them) and mode of the
// open file `from`, whose status is `from_info`. False, with `error` naming `target`, when one of them
// cannot be set or does not hold afterwards; `to` may then grant less than `from`, never more than
// it did before the call.
bool CarryAttributes(int from, const struct stat& from_info, int to, const std::string& target,
                     std::string& error);

} // namespace xlsx
