#include "quiz/scoretext.h"

QString scoreMessage(const QString &opening, int score, int outOf)
{
    return opening + numberText(score) + QStringLiteral(" out of") + numberText(outOf) +
           QLatin1Char('.');
}

Praise praiseFor(int score, int outOf)
{
    if (score == outOf)
        return Praise::FullMarks;
    if (score == outOf - 1 || score == outOf - 2)
        return Praise::NearlyThere;
    return Praise::KeepTrying;
}
