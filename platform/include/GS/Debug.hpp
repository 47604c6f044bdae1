// Debug output of the stand-in host.
#pragma once

// Formats like printf with "C" numerics and appends the text as one entry to the debug log;
// also writes it to stderr when the environment variable HOSTPLATFORM_DEBUG is 1.
void DBPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
