// A file system that fills up at a chosen write, for the tests of saving. The test executable
// interposes the stdio calls through which libxlsxwriter, minizip and the adapter write their files
// (fwrite, fputs, fputc, __fprintf_chk, fflush, fseek, fseeko64, fclose). A "write" is a call that
// hands bytes to the kernel: one that does not fit the stream's buffer, or a flush, seek or close with
// bytes waiting. The armed write fails as a full disk makes it fail in glibc: the waiting bytes and
// those of the call are lost and the stream's error flag is set. Standard output and error pass
// untouched; so does everything while disarmed.
#pragma once

namespace write_faults {

enum class Mode {
    fail,   // the call reports the failure
    silent, // the call reports success, as a buffered write that fails later does to its caller
};

// Counts writes from now on and fails the k-th (1-based); 0 only counts.
void Arm(long k, Mode mode);
// Stops; returns how many writes were seen since Arm().
long Disarm();

} // namespace write_faults
