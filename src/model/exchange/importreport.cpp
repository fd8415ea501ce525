#include "exchange/importreport.h"

namespace importreport {

namespace {
QString questions(int count)
{
    return count == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(count);
}

QString leftOverLine(int count, int toRewrite, LeftOver leftOver)
{
    const bool wizard = leftOver == LeftOver::OpenInWizard;
    if (toRewrite == 0)
        return QStringLiteral("%1 left over, too few for a worksheet of ten: ")
                   .arg(questions(count)) +
               (wizard ? QStringLiteral("they open in the wizard for you to finish.")
                       : QStringLiteral("not saved."));
    const QString rewrite = toRewrite == 1 ? QStringLiteral("1 of them needs")
                                           : QStringLiteral("%1 of them need").arg(toRewrite);
    return wizard
               ? QStringLiteral("%1 left over: they open in the wizard, ten at a time, for you "
                                "to finish, and %2 rewriting in the boxes marked.")
                     .arg(questions(count), rewrite)
               : QStringLiteral("%1 left over, not saved: %2 rewriting to fit the wizard's boxes.")
                     .arg(questions(count), rewrite);
}

// A question by its name or first words, and its line when the file gives one.
QString named(const worksheetimport::Mention &mention)
{
    const QString who = QStringLiteral("\"%1\"").arg(mention.who);
    return mention.line > 0 ? who + QStringLiteral(" (line %1)").arg(mention.line) : who;
}
} // namespace

QStringList lines(const worksheetimport::Report &report, LeftOver leftOver)
{
    QStringList result;
    for (const worksheetimport::Saved &saved : report.saved)
        result << QStringLiteral("Saved \"%1\" with %2.")
                      .arg(saved.title, questions(saved.questionCount));
    for (const worksheetimport::Mention &skipped : report.skipped)
        result << QStringLiteral("Skipped %1: %2.").arg(named(skipped), skipped.reason);
    for (const worksheetimport::Mention &rewrite : report.toRewrite)
        result << QStringLiteral("To rewrite %1: %2.").arg(named(rewrite), rewrite.reason);
    for (const QString &note : report.notes)
        result << QStringLiteral("Note: %1.").arg(note);
    if (report.leftOver > 0)
        result << leftOverLine(report.leftOver, int(report.toRewrite.size()), leftOver);
    return result;
}

} // namespace importreport
