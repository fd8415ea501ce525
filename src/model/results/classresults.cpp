#include "results/classresults.h"

#include "files/csv.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

QString percent(double share)
{
    return QString::number(std::lround(share * 100)) + u'%';
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}
} // namespace

ClassResults ClassResults::of(const QString &title, const QList<Attempt> &all)
{
    ClassResults results;
    results.title = title;
    for (const Attempt &attempt : all)
        if (attempt.title == title)
            results.attempts.append(attempt);
    // Newest first; a tie keeps the files' order so the view does not shuffle.
    std::stable_sort(results.attempts.begin(), results.attempts.end(),
                     [](const Attempt &a, const Attempt &b) { return a.finished > b.finished; });

    QHash<QString, const Attempt *> latest;
    for (const Attempt &attempt : results.attempts)
        if (!latest.contains(attempt.pupil))
            latest.insert(attempt.pupil, &attempt);
    results.pupils = int(latest.size());
    if (results.pupils == 0)
        return results;

    results.lowest = Attempt::outOf;
    double sum = 0;
    std::array<int, Attempt::outOf> right{};
    for (const Attempt *attempt : latest) {
        sum += attempt->score;
        results.lowest = std::min(results.lowest, attempt->score);
        results.highest = std::max(results.highest, attempt->score);
        for (int q = 0; q < Attempt::outOf; ++q)
            right.at(q) += attempt->right.at(q) ? 1 : 0;
    }
    results.average = sum / results.pupils;
    double squares = 0;
    for (const Attempt *attempt : latest)
        squares += std::pow(attempt->score - results.average, 2);
    results.standardDeviation = std::sqrt(squares / results.pupils);

    const auto [fewest, most] = std::minmax_element(right.begin(), right.end());
    for (int q = 0; q < Attempt::outOf; ++q) {
        results.shareRight.at(q) = double(right.at(q)) / results.pupils;
        // Where every question went as well, none was the hardest.
        if (right.at(q) == *fewest && *fewest != *most)
            results.hardest.append(q + 1);
    }
    return results;
}

QStringList ClassResults::shareLines() const
{
    QStringList lines;
    for (int q = 1; q <= Attempt::outOf; ++q) {
        QString line =
            QStringLiteral("Question %1: %2 right").arg(q).arg(percent(shareRight.at(q - 1)));
        if (hardest.contains(q))
            line += QStringLiteral(" (hardest)");
        lines << line;
    }
    return lines;
}

QString ClassResults::summary() const
{
    if (pupils == 0)
        return QStringLiteral("No pupil has finished this quiz yet.");
    return QStringLiteral("%1 %2, %3 %4. Latest scores: average %5 out of %6, lowest %7, "
                          "highest %8, standard deviation %9.")
        .arg(pupils)
        .arg(pupils == 1 ? QStringLiteral("pupil") : QStringLiteral("pupils"))
        .arg(attempts.size())
        .arg(attempts.size() == 1 ? QStringLiteral("attempt") : QStringLiteral("attempts"))
        .arg(oneDecimal(average))
        .arg(Attempt::outOf)
        .arg(lowest)
        .arg(highest)
        .arg(oneDecimal(standardDeviation));
}

QByteArray ClassResults::tableCsv() const
{
    QByteArray bytes = csv::byteOrderMark;
    bytes += csv::record({QStringLiteral("Pupil"), QStringLiteral("Finished"),
                          QStringLiteral("Score"), QStringLiteral("Out of")});
    for (const Attempt &attempt : attempts)
        bytes += csv::record({attempt.pupil, attempt.finishedShown(),
                              QString::number(attempt.score), QString::number(Attempt::outOf)});
    return bytes;
}

QStringList ClassResults::tableLines() const
{
    qsizetype width = 5;     // "Pupil"
    qsizetype whenWidth = 8; // "Finished"
    for (const Attempt &attempt : attempts) {
        width = std::max(width, attempt.pupil.size());
        whenWidth = std::max(whenWidth, attempt.finishedShown().size());
    }
    const auto row = [&](const QString &pupil, const QString &when, const QString &score) {
        return pupil.leftJustified(width + 2) + when.leftJustified(whenWidth + 2) + score;
    };
    QStringList lines = {
        row(QStringLiteral("Pupil"), QStringLiteral("Finished"), QStringLiteral("Score"))};
    for (const Attempt &attempt : attempts)
        lines << row(attempt.pupil, attempt.finishedShown(),
                     QStringLiteral("%1/%2").arg(attempt.score).arg(Attempt::outOf));
    return lines;
}
