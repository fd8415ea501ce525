#include "exchange/importreport.h"

namespace importreport {

namespace {
QString questions(int count)
{
    return count == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(count);
}

QString leftOverLine(int count, LeftOver leftOver)
{
    const QString start =
        QStringLiteral("%1 left over, too few for a worksheet of ten: ").arg(questions(count));
    return start + (leftOver == LeftOver::OpenInWizard
                        ? QStringLiteral("they open in the wizard for you to finish.")
                        : QStringLiteral("not saved."));
}
} // namespace

QStringList lines(const worksheetimport::Report &report, LeftOver leftOver)
{
    QStringList result;
    for (const worksheetimport::Saved &saved : report.saved)
        result << QStringLiteral("Saved \"%1\" with %2.")
                      .arg(saved.title, questions(saved.questionCount));
    for (const worksheetimport::Skipped &skipped : report.skipped)
        result << QStringLiteral("Skipped \"%1\": %2.").arg(skipped.who, skipped.reason);
    for (const QString &note : report.notes)
        result << QStringLiteral("Note: %1.").arg(note);
    if (report.leftOver > 0)
        result << leftOverLine(report.leftOver, leftOver);
    return result;
}

} // namespace importreport
