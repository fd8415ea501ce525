// Feeds arbitrary bytes to the question-set reader, then writes what it read back out and
// reads that again: a set the program saves must read back as the same set.
#include "fuzzsupport.h"

#include "files/textfile.h"
#include "quiz/questionset.h"

#include <QBuffer>

#include <cstdint>

namespace {

bool sameSet(const QuestionSet &a, const QuestionSet &b)
{
    if (a.title != b.title)
        return false;
    for (int i = 0; i < QuestionSet::questionCount; ++i) {
        const Question &qa = a.questions[i];
        const Question &qb = b.questions[i];
        if (qa.text != qb.text || qa.answers != qb.answers || qa.correctAnswer != qb.correctAnswer)
            return false;
    }
    return true;
}

bool loadBytes(const QByteArray &bytes, QuestionSet &set)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadQuest(buffer, set);
}

QByteArray fileBytes(const QuestionSet &set)
{
    QByteArray bytes;
    for (const QString &line : questionSetLines(set))
        bytes += windows1252::encode(line) + "\r\n";
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    QuestionSet first;
    const bool loaded = loadBytes(input, first);

    // Read sizes must not matter: the same bytes in small pieces give the same result,
    // including the fields replaced before a failure.
    QuestionSet trickled;
    TrickleDevice trickle(input, trickleStep(size));
    FUZZ_REQUIRE(loadQuest(trickle, trickled) == loaded);
    FUZZ_REQUIRE(sameSet(trickled, first));

    // A read error part way is never taken for the end of the file: the set loads only if
    // everything it needs came before the error, and then it is the same set.
    QuestionSet cut;
    TrickleDevice failing(input, trickleStep(size), qint64(size / 2));
    if (loadQuest(failing, cut))
        FUZZ_REQUIRE(loaded && sameSet(cut, first));

    for (const Question &question : first.questions) {
        const int choice = question.correctChoice();
        FUZZ_REQUIRE(choice >= 0 && choice <= 4);
    }
    if (!loaded)
        return 0;

    const QStringList lines = questionSetLines(first);
    FUZZ_REQUIRE(lines.size() == QuestionSet::lineCount);
    for (const QString &line : lines)
        FUZZ_REQUIRE(line.size() <= maxFieldLength);
    const QByteArray written = fileBytes(first);

    // Fields never hold a comma or a line end and have no leading blanks, and '&' in the
    // file stands for a comma in the text, so a written set reads back unchanged.
    QuestionSet second;
    FUZZ_REQUIRE(loadBytes(written, second));
    FUZZ_REQUIRE(sameSet(second, first));
    FUZZ_REQUIRE(fileBytes(second) == written);

    // Nothing after the 72nd line is read, whatever it holds.
    QuestionSet trailed;
    FUZZ_REQUIRE(loadBytes(written + input, trailed));
    FUZZ_REQUIRE(sameSet(trailed, first));
    return 0;
}
