#include "quiz/questionset.h"

#include "files/commas.h"
#include "files/contentpath.h"
#include "files/textfile.h"

#include <QFile>
#include <QThread>

int Question::correctChoice() const
{
    const QString digit = correctAnswer.trimmed();
    if (digit.size() != 1)
        return 0;
    const int choice = digit.at(0).unicode() - u'0';
    return choice >= 1 && choice <= 4 ? choice : 0;
}

bool loadQuest(QIODevice &file, QuestionSet &set)
{
    FieldReader reader(file);
    QString field;
    auto readText = [&](QString &into) {
        if (!reader.next(field))
            return false;
        into = decodeCommas(field);
        return true;
    };
    auto skipSeparator = [&] { return reader.next(field); };

    if (!readText(set.title) || !skipSeparator())
        return false;
    for (Question &question : set.questions) {
        if (!readText(question.text))
            return false;
        for (QString &answer : question.answers)
            if (!readText(answer))
                return false;
        if (!reader.next(question.correctAnswer) || !skipSeparator())
            return false;
    }
    return true;
}

QStringList questionSetLines(const QuestionSet &set)
{
    const QString separator = QStringLiteral(" ");
    QStringList lines;
    lines.reserve(QuestionSet::lineCount);
    lines << encodeCommas(set.title) << separator;
    for (const Question &question : set.questions) {
        lines << encodeCommas(question.text);
        for (const QString &answer : question.answers)
            lines << encodeCommas(answer);
        lines << question.correctAnswer << separator;
    }
    return lines;
}

bool readQuestionSetFile(const QString &path, QuestionSet &set, QString *error)
{
    const QString resolved = resolveContentPath(path);
    // A file that another desktop replaces while it is read may read short, on smbnetfs and on
    // sshfs alike (the size seen can be the old file's), so a short one is read again, a little
    // later each time, before it counts as damaged.
    for (int attempt = 1;; ++attempt) {
        QFile file(resolved);
        if (!openCurrent(file)) {
            if (error)
                *error = file.errorString();
            return false;
        }
        QuestionSet read = set;
        if (loadQuest(file, read)) {
            set = std::move(read);
            return true;
        }
        if (attempt == 3) {
            if (error)
                *error = QStringLiteral("the file ends before its last question is complete");
            return false;
        }
        QThread::msleep(30 * attempt);
    }
}

bool writeQuestionSetFile(const QString &path, const QuestionSet &set, QString *error)
{
    return writeTextLines(resolveContentPath(path), questionSetLines(set), error);
}
