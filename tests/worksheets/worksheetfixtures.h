#pragma once

// Worksheets as a teacher would write them, for the worksheet tests.

#include "testfiles.h"
#include "worksheets/worksheetdraft.h"
#include "worksheets/worksheetindex.h"

#include <QDir>
#include <QStringList>

// Question q (from 0) has its right answer at (q % 4), so the ticks move around.
inline int tickedAnswer(int q)
{
    return q % 4;
}

inline WorksheetDraft completeDraft(const QString &title)
{
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < WorksheetDraft::questionCount; ++q) {
        draft.questions.at(q) = QStringLiteral("Which bird is number %1?").arg(q + 1);
        for (int j = 0; j < WorksheetDraft::answersPerQuestion; ++j)
            draft.answers.at(WorksheetDraft::answerIndex(q, j)) =
                QStringLiteral("Bird %1 of %2").arg(j + 1).arg(q + 1);
        draft.ticks.at(WorksheetDraft::answerIndex(q, tickedAnswer(q))) = true;
    }
    return draft;
}

inline const QString indexPath = QStringLiteral("multiple/track.txt");

// An index file listing the titles, as the program writes it, or with another count.
inline QByteArray indexBytes(const QStringList &titles, int count = -1)
{
    QByteArray bytes = " " + QByteArray::number(count < 0 ? titles.size() : count) + " \r\n";
    for (const QString &title : titles)
        bytes += title.toLatin1() + "\r\n";
    return bytes;
}

inline QStringList numberedTitles(int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles << QStringLiteral("Sheet %1").arg(i);
    return titles;
}

// The folder the program writes into, with an index listing the titles.
inline bool writeIndex(const QStringList &titles = {})
{
    return writeBytes(indexPath, indexBytes(titles));
}
