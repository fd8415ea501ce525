#pragma once

#include <QString>

// The index is read field by field, so a comma in a title would split it in two: a title is
// stored with every comma written as '&', and shown with every '&' as a comma again.
QString encodeCommas(const QString &typed);
QString decodeCommas(const QString &stored);
