#include "exchange/worksheetimport.h"

#include "exchange/importrules.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QFileInfo>

namespace worksheetimport {

namespace {

// Room for " 99" after the base, so that every worksheet of a large import keeps a title.
constexpr int baseLength = WorksheetDraft::titleLength - 3;

bool isTaken(const QString &title, const QStringList &taken)
{
    return taken.contains(title, Qt::CaseInsensitive);
}

WorksheetDraft draftOf(const QList<importrules::Verdict> &questions, const QString &title)
{
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < questions.size(); ++q) {
        const importrules::Verdict &question = questions.at(q);
        draft.questions.at(q) = question.text;
        for (int a = 0; a < WorksheetDraft::answersPerQuestion; ++a)
            draft.answers.at(WorksheetDraft::answerIndex(q, a)) = question.answers.at(a);
        draft.ticks.at(WorksheetDraft::answerIndex(q, question.correct - 1)) = true;
    }
    return draft;
}

} // namespace

QString titleBase(const QString &given, const QString &category, const QString &fileName)
{
    const auto kept = [](const QString &title, int length) {
        return worksheetfile::keptTitle(title.simplified().left(length)).trimmed();
    };
    // A title the teacher gave is used as given, or refused for them to mend.
    if (!given.isEmpty()) {
        const QString title = kept(given, int(given.size()));
        return title.size() <= WorksheetDraft::titleLength && worksheetfile::canSaveUnder(title)
                   ? title
                   : QString();
    }
    for (const QString &candidate : {category.section(u'/', -1), QFileInfo(fileName).completeBaseName()}) {
        const QString title = kept(candidate, baseLength);
        if (!title.isEmpty() && worksheetfile::canSaveUnder(title))
            return title;
    }
    return QStringLiteral("Imported");
}

QString freeTitle(const QString &base, int n, const QStringList &taken)
{
    for (int k = n;; ++k) {
        const QString title = k == 1 ? base : QStringLiteral("%1 %2").arg(base).arg(k);
        if (!isTaken(title, taken))
            return title;
    }
}

Report importQuestions(const QList<exchange::Question> &questions, const QString &base,
                       const WorksheetIndexFile &indexFile)
{
    Report report;
    QList<importrules::Verdict> usable;
    for (const exchange::Question &question : questions) {
        const importrules::Verdict verdict = importrules::judge(question);
        if (!verdict.usable) {
            report.skipped.append({verdict.who, verdict.reason});
            continue;
        }
        for (const QString &note : verdict.notes)
            report.notes.append(QStringLiteral("%1: %2").arg(verdict.who, note));
        usable.append(verdict);
    }
    QStringList taken = indexFile.load().titles;
    int n = 1;
    while (usable.size() >= WorksheetDraft::questionCount) {
        const QList<importrules::Verdict> ten = usable.mid(0, WorksheetDraft::questionCount);
        const QString title = freeTitle(base, n, taken);
        const WorksheetSave save = genWork(draftOf(ten, title), indexFile);
        if (!save.saved) {
            report.problem = QStringLiteral("\"%1\" could not be saved: %2").arg(title, save.message);
            return report;
        }
        report.saved.append({save.savedTitle, WorksheetDraft::questionCount});
        taken.append(save.savedTitle);
        usable.remove(0, WorksheetDraft::questionCount);
        ++n;
    }
    report.leftOver = int(usable.size());
    if (!usable.isEmpty())
        report.leftOverDraft = draftOf(usable, freeTitle(base, n, taken));
    return report;
}

} // namespace worksheetimport
