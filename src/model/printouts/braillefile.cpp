#include "printouts/braillefile.h"

#include "embossing/brailletranslator.h"
#include "files/textfile.h"
#include "quiz/answerkeys.h"
#include "quiz/questionset.h"

#include <QList>

namespace braillefile {

const QString suffix = QStringLiteral(".brf");

QString fileName(const QuestionSet &set, WorksheetCopy copy)
{
    return set.title +
           (copy == WorksheetCopy::AnswerKey ? QStringLiteral(" answer key") : QString()) + suffix;
}

namespace {

// A paragraph as a Braille list sets it: a question from the margin with its runover lines
// two cells in, its answers two cells in with theirs four in; a heading centred.
struct Paragraph
{
    QString text;
    int indent = 0;
    int runover = 0;
    bool centred = false;
};

// What is kept on one page where it fits: the heading, or a question with its answers.
struct Block
{
    QString owner; // as the reason for a failure names it
    QList<Paragraph> paragraphs;
};

constexpr char blankCell = ' ';
// Dots 3-6, the hyphen that shows a word carries on to the next line.
constexpr char hyphenCell = '-';

QList<QByteArray> wrap(const QByteArray &cells, const Paragraph &paragraph)
{
    QList<QByteArray> lines;
    QByteArray line(paragraph.indent, blankCell);
    const auto lineEnded = [&] {
        lines.append(line);
        line = QByteArray(paragraph.runover, blankCell);
    };
    const auto startOfLine = [&] {
        return line.size() == (lines.isEmpty() ? paragraph.indent : paragraph.runover);
    };
    for (QByteArray word : cells.split(blankCell)) {
        if (word.isEmpty())
            continue;
        if (!startOfLine() && line.size() + 1 + word.size() > cellsPerLine)
            lineEnded();
        if (!startOfLine())
            line += blankCell;
        // Only a word longer than a whole line is divided, with a hyphen at each break.
        while (line.size() + word.size() > cellsPerLine) {
            const qsizetype room = cellsPerLine - line.size() - 1;
            line += word.left(room) + hyphenCell;
            word = word.mid(room);
            lineEnded();
        }
        line += word;
    }
    if (!startOfLine() || lines.isEmpty())
        lines.append(line);
    if (paragraph.centred) {
        for (QByteArray &centredLine : lines)
            centredLine.prepend(QByteArray((cellsPerLine - centredLine.size()) / 2, blankCell));
    }
    return lines;
}

QList<Block> blocks(const QuestionSet &set, WorksheetCopy copy)
{
    QList<Block> all;
    Block heading{QStringLiteral("The title"), {{set.title, 0, 0, true}}};
    if (copy == WorksheetCopy::AnswerKey)
        heading.paragraphs.append({QStringLiteral("Answer key"), 0, 0, true});
    all.append(heading);
    for (int number = 1; number <= QuestionSet::questionCount; ++number) {
        const Question &question = set.question(number);
        Block block{QStringLiteral("Question %1").arg(number),
                    {{QStringLiteral("%1. %2").arg(number).arg(question.text), 0, 2}}};
        for (int choice = 1; choice <= answerkeys::answerCount; ++choice) {
            block.paragraphs.append({answerkeys::letter(choice).toLower() + QStringLiteral(". ") +
                                         question.answers.at(std::size_t(choice - 1)),
                                     2, 4});
        }
        if (copy == WorksheetCopy::AnswerKey) {
            const int right = question.correctChoice();
            const QString letter =
                right == 0 ? QStringLiteral("?") : answerkeys::letter(right).toLower();
            block.paragraphs.append({QStringLiteral("Answer: ") + letter, 2, 4});
        }
        all.append(block);
    }
    return all;
}

// Lays lines out on pages, the first line of each holding the page's number at its right.
class Pages
{
public:
    explicit Pages(BrailleTranslator &translator) : m_translator(translator) {}

    // A block goes whole onto this page, or whole onto the next, or, longer than a page,
    // from the top of the next on. A blank line parts it from the block before.
    bool place(const QList<QByteArray> &lines)
    {
        const bool atTop = m_page.isEmpty();
        const qsizetype needed = lines.size() + (atTop ? 0 : 1);
        if (needed > room() && !atTop && !endPage())
            return false;
        if (!m_page.isEmpty())
            m_page.append(QByteArray());
        for (const QByteArray &line : lines) {
            if (room() == 0 && !endPage())
                return false;
            m_page.append(line);
        }
        return true;
    }

    std::optional<QByteArray> finish()
    {
        if (!m_page.isEmpty() && !endPage())
            return std::nullopt;
        return m_bytes;
    }

private:
    static constexpr int textLines = linesPerPage - 1;
    qsizetype room() const { return textLines - m_page.size(); }

    bool endPage()
    {
        ++m_number;
        const std::optional<QByteArray> number =
            m_translator.translate(QString::number(m_number), nullptr);
        if (!number || number->size() > cellsPerLine)
            return false;
        m_bytes += QByteArray(cellsPerLine - number->size(), blankCell) + *number + "\r\n";
        for (const QByteArray &line : std::as_const(m_page))
            m_bytes += line + "\r\n";
        m_bytes += '\f';
        m_page.clear();
        return true;
    }

    BrailleTranslator &m_translator;
    QList<QByteArray> m_page;
    QByteArray m_bytes;
    int m_number = 0;
};

} // namespace

std::optional<QByteArray> make(const QuestionSet &set, WorksheetCopy copy,
                               BrailleTranslator &translator, QString *problem)
{
    const auto fail = [problem](const QString &reason) -> std::optional<QByteArray> {
        if (problem)
            *problem = reason;
        return std::nullopt;
    };
    Pages pages(translator);
    for (const Block &block : blocks(set, copy)) {
        QList<QByteArray> lines;
        for (const Paragraph &paragraph : block.paragraphs) {
            QString untranslatable;
            const std::optional<QByteArray> cells =
                translator.translate(paragraph.text, &untranslatable);
            if (!cells) {
                return fail(QStringLiteral("%1 has text that cannot be put in Braille: \"%2\".")
                                .arg(block.owner, untranslatable));
            }
            lines += wrap(*cells, paragraph);
        }
        if (!pages.place(lines))
            return fail(QStringLiteral("The page numbers cannot be put in Braille."));
    }
    const std::optional<QByteArray> bytes = pages.finish();
    if (!bytes)
        return fail(QStringLiteral("The page numbers cannot be put in Braille."));
    return bytes;
}

bool write(const QString &path, const QuestionSet &set, WorksheetCopy copy,
           BrailleTranslator &translator, QString *problem)
{
    const std::optional<QByteArray> bytes = make(set, copy, translator, problem);
    if (!bytes)
        return false;
    return writeWholeFile(path, *bytes, problem);
}

} // namespace braillefile
