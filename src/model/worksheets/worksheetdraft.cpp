#include "worksheets/worksheetdraft.h"

#include "files/commas.h"
#include "files/textfile.h"
#include "texts/numbertext.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <algorithm>

namespace {

QString aboutQuestion(const char *message, int question)
{
    return QLatin1String(message) + numberText(question + 1);
}

// A box the teacher must still rewrite, as they are told it.
QString aboutMark(const BoxMark &mark, const QString &box)
{
    const QString why =
        mark.why == BoxMark::TooLong
            ? QStringLiteral(" was too long for its box")
            : QStringLiteral(" holds an \"&\" that a worksheet would show as a comma");
    return box + why + QStringLiteral(": please rewrite it before saving");
}

QString firstMark(const WorksheetDraft &draft, int q)
{
    const QString question = aboutQuestion("Question", q);
    if (draft.questionMarks.at(q).isSet())
        return aboutMark(draft.questionMarks.at(q), question);
    for (int j = 0; j < WorksheetDraft::answersPerQuestion; ++j) {
        const BoxMark &mark = draft.answerMarks.at(WorksheetDraft::answerIndex(q, j));
        if (mark.isSet())
            return aboutMark(mark, QStringLiteral("Answer %1 of ").arg(QChar(u'A' + j)) + question);
    }
    return {};
}

// Every text goes into the file as one line, exactly as typed.
bool fitsFile(const WorksheetDraft &draft)
{
    const auto fits = [](const QString &text) { return windows1252::fitsLine(text); };
    return fits(draft.title) && std::all_of(draft.questions.begin(), draft.questions.end(), fits) &&
           std::all_of(draft.answers.begin(), draft.answers.end(), fits);
}

} // namespace

QString checkDraft(const WorksheetDraft &draft)
{
    // A title of blanks alone would be saved as no title at all.
    if (worksheetfile::keptTitle(draft.title).isEmpty())
        return QStringLiteral("You have not chosen a title for your worksheet");
    for (int q = 0; q < WorksheetDraft::questionCount; ++q) {
        if (const QString marked = firstMark(draft, q); !marked.isEmpty())
            return marked;
        const QString incomplete = aboutQuestion("You have not completed Question", q);
        if (draft.questions.at(q).isEmpty())
            return incomplete;
        int ticked = 0;
        for (int j = 0; j < WorksheetDraft::answersPerQuestion; ++j) {
            const int i = WorksheetDraft::answerIndex(q, j);
            if (draft.answers.at(i).isEmpty())
                return incomplete;
            ticked += draft.ticks.at(i) ? 1 : 0;
        }
        if (ticked == 0)
            return aboutQuestion("You have not ticked the correct answer for Question", q);
        if (ticked > 1)
            return aboutQuestion("You have ticked more than one correct answer for Question", q);
    }
    return QString();
}

QString worksheetmessages::replaceQuestion(const QString &shownTitle)
{
    return QStringLiteral("A worksheet called %1 already exists. Replace it?").arg(shownTitle);
}

QString replacedWorksheet(const WorksheetDraft &draft, const QString &openedOn,
                          const WorksheetIndex &index)
{
    if (!checkDraft(draft).isEmpty())
        return QString();
    // "Birds, Bees" and "Birds& Bees" are one file, so titles are compared as stored.
    const QString storedTitle = encodeCommas(worksheetfile::keptTitle(draft.title));
    if (storedTitle.compare(openedOn, Qt::CaseInsensitive) == 0)
        return QString();
    for (const QString &listed : index.titles) {
        if (listed.compare(storedTitle, Qt::CaseInsensitive) == 0)
            return decodeCommas(listed);
    }
    return worksheetfile::exists(storedTitle) ? decodeCommas(storedTitle) : QString();
}

WorksheetSave genWork(const WorksheetDraft &draft, const WorksheetIndexFile &indexFile,
                      WorksheetIndex *listed)
{
    WorksheetSave outcome;
    outcome.message = checkDraft(draft);
    if (!outcome.message.isEmpty())
        return outcome;
    outcome.saved = saveWorksheet(draft, indexFile, listed);
    outcome.message = outcome.saved ? worksheetmessages::saved : worksheetmessages::problem;
    if (outcome.saved)
        outcome.savedTitle = worksheetfile::keptTitle(draft.title);
    return outcome;
}

QuestionSet questionSetOf(const WorksheetDraft &draft)
{
    QuestionSet set;
    set.title = worksheetfile::keptTitle(draft.title);
    for (int q = 0; q < WorksheetDraft::questionCount; ++q) {
        Question &question = set.questions.at(q);
        question.text = draft.questions.at(q);
        for (int j = 0; j < WorksheetDraft::answersPerQuestion; ++j) {
            const int i = WorksheetDraft::answerIndex(q, j);
            question.answers.at(j) = draft.answers.at(i);
            if (draft.ticks.at(i))
                question.correctAnswer = QString::number(j + 1);
        }
    }
    return set;
}

bool saveWorksheet(const WorksheetDraft &draft, const WorksheetIndexFile &indexFile,
                   WorksheetIndex *listed)
{
    const QuestionSet set = questionSetOf(draft);
    const QString storedTitle = encodeCommas(set.title);
    if (!worksheetfile::canSaveUnder(storedTitle) || !fitsFile(draft))
        return false;
    return writeQuestionSetFile(worksheetfile::path(storedTitle), set) &&
           indexFile.trackWorksheets(storedTitle, listed);
}

std::optional<WorksheetDraft> editWorksheet(const QuestionSet &set)
{
    WorksheetDraft draft;
    draft.title = set.title;
    for (int q = 0; q < WorksheetDraft::questionCount; ++q) {
        const Question &question = set.questions.at(q);
        const int correct = question.correctChoice();
        if (correct == 0)
            return std::nullopt;
        draft.questions.at(q) = question.text;
        for (int j = 0; j < WorksheetDraft::answersPerQuestion; ++j)
            draft.answers.at(WorksheetDraft::answerIndex(q, j)) = question.answers.at(j);
        draft.ticks.at(WorksheetDraft::answerIndex(q, correct - 1)) = true;
    }
    return draft;
}
