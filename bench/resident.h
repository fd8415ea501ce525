#pragma once

// The process's resident memory in kilobytes, from /proc; -1 where that cannot be read.
long residentKilobytes();
