// The memory of the benchmark process as the system counts it.
#pragma once

// The peak resident set of the whole process so far, in megabytes (VmHWM of
// /proc/self/status); 0 where the system does not tell.
double PeakResidentMegabytes();
