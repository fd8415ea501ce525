#pragma once

#include <QString>

#include <optional>

struct QuestionSet;

// A worksheet written out as a question bank file, for a school's own question bank.
namespace worksheetexport {

enum class Format { Gift, MoodleXml };

// The format a file name asks for: ".gift" or ".txt" the plain-text one, ".xml" XML, in
// any letter case; nothing for any other name.
std::optional<Format> formatFor(const QString &fileName);

// Writes the file whole or not at all; false, with the reason in *problem, on failure.
bool write(const QuestionSet &set, const QString &path, Format format, QString *problem);

} // namespace worksheetexport
