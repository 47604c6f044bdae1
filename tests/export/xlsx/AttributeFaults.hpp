// Calls that set a file's attributes, made to fail for the tests of saving. The test executable
// interposes fchown, fchmod and fsetxattr; everything passes untouched while nothing is armed.
#pragma once

namespace attribute_faults {

enum class Call { none, fchown, fchmod, fsetxattr };

// From now on every `call` fails with EPERM, or, when `silent`, reports success having done nothing,
// as a file system that ignores the change does. Call::none disarms.
void Arm(Call call, bool silent = false);

} // namespace attribute_faults
