#include "exchange/worksheetimport.h"

#include "exchange/importrules.h"
#include "exchange/questionfile.h"
#include "files/commas.h"
#include "files/contentpath.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace worksheetimport {

namespace {

bool isTaken(const QString &title, const QStringList &taken)
{
    return taken.contains(title, Qt::CaseInsensitive);
}

// A box holds what fits of a text; one to rewrite is marked with the text in full.
void fill(QString &box, BoxMark &mark, const QString &text, BoxMark::Why rewrite, int limit)
{
    box = text.left(limit);
    if (rewrite != BoxMark::None)
        mark = {rewrite, text};
}

WorksheetDraft draftOf(const QList<importrules::Verdict> &questions, const QString &title)
{
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < questions.size(); ++q) {
        const importrules::Verdict &question = questions.at(q);
        fill(draft.questions.at(q), draft.questionMarks.at(q), question.text, question.textRewrite,
             WorksheetDraft::questionLength);
        for (int a = 0; a < WorksheetDraft::answersPerQuestion; ++a) {
            const int i = WorksheetDraft::answerIndex(q, a);
            fill(draft.answers.at(i), draft.answerMarks.at(i), question.answers.at(a),
                 question.answerRewrites.at(a), WorksheetDraft::answerLength);
        }
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
        if (!worksheetfile::exists(encodeCommas(title)))
            return title;
        taken.append(title);
    }
}

// A free title to save under at once, claimed with its file under the index's lock, so that
// another copy importing into the same folder at the same moment takes the next one; nothing
// when the folder takes no new file.
std::optional<QString> claimedTitle(const QString &base, int n, QStringList &taken,
                                    const WorksheetIndexFile &indexFile)
{
    for (;;) {
        const QString title = freeTitle(base, n, taken);
        auto claim = worksheetfile::Claim::Failed;
        indexFile.underLock([&](const QDeadlineTimer &) {
            claim = worksheetfile::claim(encodeCommas(title));
            return true;
        });
        switch (claim) {
        case worksheetfile::Claim::Made:
            return title;
        case worksheetfile::Claim::Taken:
            taken.append(title);
            break;
        case worksheetfile::Claim::Failed:
            return std::nullopt;
        }
    }
}
} // namespace

Report importQuestions(const QList<exchange::Question> &questions, const QString &base,
                       const WorksheetIndexFile &indexFile)
{
    Report report;
    // Every question a worksheet can take, in file order, and how many fit as they stand.
    QList<importrules::Verdict> kept;
    int usable = 0;
    for (const exchange::Question &question : questions) {
        const importrules::Verdict verdict = importrules::judge(question);
        const Mention mention{verdict.who, verdict.line, verdict.reason};
        if (verdict.outcome == importrules::Outcome::Skipped) {
            report.skipped.append(mention);
            continue;
        }
        if (verdict.outcome == importrules::Outcome::ToRewrite)
            report.toRewrite.append(mention);
        else
            ++usable;
        for (const QString &note : verdict.notes)
            report.notes.append(QStringLiteral("%1: %2").arg(verdict.who, note));
        kept.append(verdict);
    }
    // The wizard's save writes a worksheet before it finds the index missing or full, so
    // both are checked first: an import leaves no worksheet the catalogue cannot list.
    if (!kept.isEmpty() && !indexFile.exists()) {
        report.problem = WorksheetIndexFile::missingMessage;
        return report;
    }
    QStringList taken = indexFile.load().titles;
    int listed = int(taken.size());
    int n = 1;
    // Worksheets of ten from those that fit as they stand, the first first.
    const int tens = usable / WorksheetDraft::questionCount;
    QList<importrules::Verdict> ten;
    for (qsizetype k = 0; k < kept.size() && n <= tens;) {
        if (kept.at(k).outcome != importrules::Outcome::Usable) {
            ++k;
            continue;
        }
        ten.append(kept.takeAt(k));
        if (ten.size() < WorksheetDraft::questionCount)
            continue;
        if (listed >= WorksheetIndex::capacity) {
            report.problem = QStringLiteral("The catalogue is full: it holds %1 worksheets.")
                                 .arg(WorksheetIndex::capacity);
            return report;
        }
        const std::optional<QString> title = claimedTitle(base, n, taken, indexFile);
        const WorksheetSave save =
            title ? genWork(draftOf(ten, *title), indexFile) : WorksheetSave();
        if (!save.saved) {
            // The worksheet is written before its index entry; one the index then refused
            // would be a worksheet the catalogue cannot list.
            if (title)
                QFile::remove(fileOf(*title));
            report.problem =
                QStringLiteral("\"%1\" could not be saved, and the import stopped there.")
                    .arg(title.value_or(freeTitle(base, n, taken)));
            return report;
        }
        report.saved.append({save.savedTitle, WorksheetDraft::questionCount});
        taken.append(save.savedTitle);
        ++listed;
        ten.clear();
        ++n;
    }
    report.leftOver = int(kept.size());
    for (qsizetype k = 0; k < kept.size(); k += WorksheetDraft::questionCount) {
        const QString title = unusedTitle(base, n++, taken);
        taken.append(title);
        report.leftOverDrafts.append(draftOf(kept.mid(k, WorksheetDraft::questionCount), title));
    }
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
