#pragma once

class ScreenHost;
struct QuestionSet;

// A worksheet in Braille for a class with a blind pupil: saved as a Braille Ready File, or
// sent as one to the school's embosser. Each asks which copy and grade, then tells the
// teacher how it went.
namespace cataloguebraille {

void save(ScreenHost &host, const QuestionSet &set);
void print(ScreenHost &host, const QuestionSet &set);

// Where the embosser chosen last is remembered, for the next time.
extern const char *const embosserSetting;

} // namespace cataloguebraille
