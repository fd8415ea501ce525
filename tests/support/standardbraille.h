#pragma once

// The six-dot alphabet as a Braille primer lists it, by raised dot numbers: dots 1, 2, 3
// down the left column, 4, 5, 6 down the right. Kept apart from the program's own table.
inline const char *const standardBrailleDots[26] = {
    "1",   "12",   "14",  "145",  "15",   "124",  "1245",  "125",   "24",
    "245", "13",   "123", "134",  "1345", "135",  "1234",  "12345", "1235",
    "234", "2345", "136", "1236", "2456", "1346", "13456", "1356"};
