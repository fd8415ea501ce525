#pragma once

// The process's resident memory in kilobytes, from /proc; -1 where that cannot be read.
long residentKilobytes();
// The most it has been resident so far, likewise.
long peakResidentKilobytes();
// Lowers that peak to what is resident now, so that a later reading covers what follows.
void resetPeakResident();
