#pragma once

#include "quiz/questionset.h"

#include <QString>

#include <array>
#include <optional>

class WorksheetIndexFile;
struct WorksheetIndex;

// A box an import filled with a text that cannot be saved as it stands: the box holds what
// fits and is marked, with the text in full, until the teacher rewrites it.
struct BoxMark
{
    enum Why { None, TooLong, Ampersand };
    Why why = None;
    QString original;

    bool isSet() const { return why != None; }
};

// What the wizard's boxes hold: a title, ten questions, four answers to each and a tick
// on each answer. Answer j (0 for A to 3 for D) of question q (0 to 9) is entry 4q + j.
struct WorksheetDraft
{
    static constexpr int questionCount = QuestionSet::questionCount;
    static constexpr int answersPerQuestion = 4;
    static constexpr int answerCount = questionCount * answersPerQuestion;
    // The boxes' limits.
    static constexpr int titleLength = 25;
    static constexpr int questionLength = 60;
    static constexpr int answerLength = 30;

    QString title;
    std::array<QString, questionCount> questions;
    std::array<QString, answerCount> answers;
    std::array<bool, answerCount> ticks{};
    // The boxes still marked; a draft with one is not saved.
    std::array<BoxMark, questionCount> questionMarks;
    std::array<BoxMark, answerCount> answerMarks;

    static int answerIndex(int question, int answer)
    {
        return answersPerQuestion * question + answer;
    }
};

// What "Save Worksheet" came to: the message for the teacher and, when the worksheet was
// saved, the title as it was saved, for the title box to show.
struct WorksheetSave
{
    bool saved = false;
    QString message;
    QString savedTitle;
};

namespace worksheetmessages {
inline const QString saved = QStringLiteral("Your worksheet has been saved.");
inline const QString problem = QStringLiteral("There was a problem saving your worksheet");
QString replaceQuestion(const QString &shownTitle);
} // namespace worksheetmessages

// The first thing the draft lacks, as the teacher is told it, or an empty string when
// it is complete. Questions are checked in order, each one's marked boxes first, then its
// text and answers, then its ticks.
QString checkDraft(const WorksheetDraft &draft);

// The title, as the catalogue shows it, of the worksheet that saving a complete draft would
// replace: one the index lists or a file holds under the draft's stored title, in any letter
// case, as the folder may ignore case. Empty when the title is free, when it is the
// worksheet the wizard was opened on (openedOn, a stored title), or when the draft is not
// complete and would not be saved.
QString replacedWorksheet(const WorksheetDraft &draft, const QString &openedOn,
                          const WorksheetIndex &index);

// Checks the draft and, when it is complete, saves it.
WorksheetSave genWork(const WorksheetDraft &draft, const WorksheetIndexFile &indexFile,
                      WorksheetIndex *listed = nullptr);

// Writes the worksheet file whole (or leaves an older one as it was) and lists its title
// in the index, leaving the index as it now stands in *listed. False when the title cannot
// name a worksheet file, a text cannot be kept in the file as typed, or writing or listing
// fails. The draft must be complete.
bool saveWorksheet(const WorksheetDraft &draft, const WorksheetIndexFile &indexFile,
                   WorksheetIndex *listed = nullptr);

// The question set a complete draft makes; its title is the title as saved.
QuestionSet questionSetOf(const WorksheetDraft &draft);

// The draft for editing a worksheet, or nothing when a question's correct answer is not
// a number from 1 to 4.
std::optional<WorksheetDraft> editWorksheet(const QuestionSet &set);
