#include "verrinquiz.h"

namespace {

struct QuizQuestion
{
    const char *text;
    const char *answers[4];
    int right;
};

// Only facts from the Key Facts pages; each wrong answer is another part of the story or
// something a pupil who read them would rule out.
const QuizQuestion questions[] = {
    {"Where was Tomas Verrin born?",
     {"In the middle of Paris", "In Coupvray, a village east of Paris",
      "In a school for blind children", "In a village by the sea"},
     2},
    {"What did Tomas's father make?",
     {"Books with huge raised letters", "Cellos and organs", "Boots and shoes",
      "Harnesses and saddles for horses"},
     4},
    {"How did Tomas lose his sight?",
     {"A sharp tool hurt his eye when he was three", "He was born blind",
      "He fell from a horse when he was ten", "He looked straight at the sun"},
     1},
    {"Who brought night writing to Tomas's school?",
     {"Tomas's father, a harness maker", "A sailor home from the sea",
      "Anselm Corrigan, an army officer", "A music teacher from Coupvray"},
     3},
    {"How many dots are there in a Braille cell?",
     {"Twelve, in two columns of six", "Six, in two columns of three", "Four, in a square",
      "Ten, in one long row"},
     2},
    {"Which dots run down the left column of a cell?",
     {"Dots 1, 2 and 3", "Dots 4, 5 and 6", "Dots 1, 3 and 5", "Dots 2, 4 and 6"},
     1},
    {"How do people read Braille?",
     {"By holding it up to a light", "With a magnifying glass", "By touch, with their fingertips",
      "By listening to the paper"},
     3},
    {"How old was Tomas Verrin when he died in 1852?",
     {"15 years old", "43 years old", "70 years old", "100 years old"},
     2},
    {"When was the Braille code adopted all over the world?",
     {"In 1809", "In 1821", "In 1852", "In 1932"},
     4},
    {"Where were Tomas Verrin's remains moved in 1952?",
     {"To the Pantheon in Paris", "To his father's workshop", "To the school's garden",
      "To an island far out at sea"},
     1},
};

// The program reads the file field by field, so a comma inside a text would end it early.
QByteArray line(const char *text)
{
    return QByteArray(text).replace(',', '&') + "\r\n";
}

} // namespace

QByteArray verrinQuizFile()
{
    const char *const separator = " ";
    QByteArray file = line("Tomas Verrin") + line(separator);
    for (const QuizQuestion &q : questions) {
        file += line(q.text);
        for (const char *answer : q.answers)
            file += line(answer);
        file += line(QByteArray::number(q.right)) + line(separator);
    }
    return file;
}
