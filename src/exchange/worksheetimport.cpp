#include "exchange/worksheetimport.h"

#include "exchange/importrules.h"
#include "exchange/questionfile.h"
#include "platform/contentpath.h"
#include "quiz/commas.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QFile>
#include <QFileInfo>

namespace worksheetimport {

namespace {

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

QString fileOf(const QString &title)
{
    return resolveContentPath(worksheetfile::path(encodeCommas(title)));
}

} // namespace

QString titleBase(const QString &given, const QString &category, const QString &fileName)
{
    // An "&" would be shown as a comma, like one in a question.
    const auto plain = [](QString title) {
        return title.replace(u'&', QStringLiteral("and")).simplified();
    };
    const auto kept = [](const QString &title) {
        return worksheetfile::keptTitle(title).trimmed();
    };
    // A title the teacher gave is used as given, or refused for them to mend.
    if (!given.isEmpty()) {
        const QString title = kept(plain(given));
        return title.size() <= WorksheetDraft::titleLength && worksheetfile::canSaveUnder(title)
                   ? title
                   : QString();
    }
    for (const QString &candidate :
         {category.section(u'/', -1), QFileInfo(fileName).completeBaseName()}) {
        const QString title = kept(plain(candidate).left(WorksheetDraft::titleLength));
        if (!title.isEmpty() && worksheetfile::canSaveUnder(title))
            return title;
    }
    return QStringLiteral("Imported");
}

QString freeTitle(const QString &base, int n, const QStringList &taken)
{
    for (int k = n;; ++k) {
        // A number shortens the base rather than the title outgrowing the wizard's box.
        const QString suffix = QStringLiteral(" %1").arg(k);
        const QString title =
            k == 1 ? base
                   : base.left(WorksheetDraft::titleLength - suffix.size()).trimmed() + suffix;
        if (!isTaken(title, taken))
            return title;
    }
}

namespace {
// A worksheet removed from the catalogue keeps its file, so a title is free only when
// neither the index lists it nor a file holds it: an import never overwrites a worksheet.
QString unusedTitle(const QString &base, int n, QStringList &taken)
{
    for (;;) {
        const QString title = freeTitle(base, n, taken);
        if (!QFileInfo::exists(fileOf(title)))
            return title;
        taken.append(title);
    }
}
} // namespace

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
    // The wizard's save writes a worksheet before it finds the index missing or full, so
    // both are checked first: an import leaves no worksheet the catalogue cannot list.
    if (!usable.isEmpty() && !indexFile.exists()) {
        report.problem = WorksheetIndexFile::missingMessage;
        return report;
    }
    QStringList taken = indexFile.load().titles;
    int listed = int(taken.size());
    int n = 1;
    while (usable.size() >= WorksheetDraft::questionCount) {
        const QList<importrules::Verdict> ten = usable.mid(0, WorksheetDraft::questionCount);
        if (listed >= WorksheetIndex::capacity) {
            report.problem = QStringLiteral("The catalogue is full: it holds %1 worksheets.")
                                 .arg(WorksheetIndex::capacity);
            return report;
        }
        const QString title = unusedTitle(base, n, taken);
        const WorksheetSave save = genWork(draftOf(ten, title), indexFile);
        if (!save.saved) {
            // The worksheet is written before its index entry; one the index then refused
            // would be a worksheet the catalogue cannot list.
            QFile::remove(fileOf(title));
            report.problem =
                QStringLiteral("\"%1\" could not be saved, and the import stopped there.")
                    .arg(title);
            return report;
        }
        report.saved.append({save.savedTitle, WorksheetDraft::questionCount});
        taken.append(save.savedTitle);
        ++listed;
        usable.remove(0, WorksheetDraft::questionCount);
        ++n;
    }
    report.leftOver = int(usable.size());
    if (!usable.isEmpty())
        report.leftOverDraft = draftOf(usable, unusedTitle(base, n, taken));
    return report;
}

Report importFile(const QString &path, const QString &givenTitle,
                  const WorksheetIndexFile &indexFile)
{
    Report report;
    const questionfile::Reading reading = questionfile::read(path);
    if (!reading.problem.isEmpty()) {
        report.problem = reading.problem;
        return report;
    }
    QString category;
    for (const exchange::Question &question : reading.questions) {
        if (!question.category.isEmpty()) {
            category = question.category;
            break;
        }
    }
    const QString base = titleBase(givenTitle, category, path);
    if (base.isEmpty()) {
        report.problem = QStringLiteral("\"%1\" cannot be a worksheet's title: it must be at most "
                                        "%2 characters and fit a file name.")
                             .arg(givenTitle)
                             .arg(WorksheetDraft::titleLength);
        return report;
    }
    return importQuestions(reading.questions, base, indexFile);
}

} // namespace worksheetimport
