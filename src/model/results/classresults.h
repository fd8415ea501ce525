#pragma once

#include "results/attempt.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What the teacher sees of one set: every attempt at it, newest first, and the class's
// figures, taken from each pupil's latest attempt so that a pupil who tried five times
// counts once.
struct ClassResults
{
    QString title;
    QList<Attempt> attempts; // newest first
    int pupils = 0;
    double average = 0;
    int lowest = 0;
    int highest = 0;
    double standardDeviation = 0;
    // For each question, the share of pupils who answered it right, 0 to 1.
    std::array<double, Attempt::outOf> shareRight{};
    // The questions (1 to 10) with the lowest share; none without attempts.
    QList<int> hardest;

    static ClassResults of(const QString &title, const QList<Attempt> &all);

    // "Question 4: 35% right", one a question, hardest marked, as a screen reader reads the
    // chart.
    QStringList shareLines() const;
    // The figures in a sentence, as the view heads them.
    QString summary() const;
    // The table as a spreadsheet opens it: pupil, finished, score.
    QByteArray tableCsv() const;
    // The table as text in columns, for a terminal.
    QStringList tableLines() const;
};
