#include "pagesource.h"

namespace {

bool parseRuns(const QString &text, QList<TextRun> *runs)
{
    const QStringList parts = text.split(QLatin1Char('*'));
    // An even number of parts means a star was left open.
    if (parts.size() % 2 == 0)
        return false;
    for (int i = 0; i < parts.size(); ++i) {
        if (!parts.at(i).isEmpty())
            runs->append({parts.at(i), i % 2 == 1});
    }
    return true;
}

class Parser
{
public:
    Parser(PageSource *page, QString *error) : m_page(page), m_error(error) {}

    bool parse(const QString &text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            m_lineNumber = i + 1;
            QString line = lines.at(i);
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (!take(line))
                return false;
        }
        if (m_openPicture)
            return fail(QStringLiteral("a picture is not closed with ]"));
        return endText();
    }

private:
    bool take(const QString &line)
    {
        const QString trimmed = line.trimmed();
        if (m_openPicture) {
            if (trimmed == QLatin1String("]")) {
                m_openPicture = false;
                return true;
            }
            m_page->blocks.last().lines.append(trimmed);
            return true;
        }
        if (trimmed.isEmpty())
            return endText();
        if (trimmed.startsWith(QLatin1Char('@')))
            return endText() && directive(trimmed.mid(1));
        if (trimmed.startsWith(QLatin1String("## ")))
            return endText() && startText(PageBlock::Kind::Subheading, trimmed.mid(3)) && endText();
        if (trimmed.startsWith(QLatin1String("# ")))
            return endText() && startText(PageBlock::Kind::Heading, trimmed.mid(2)) && endText();
        if (trimmed.startsWith(QLatin1String("- ")))
            return endText() && startText(PageBlock::Kind::Bullet, trimmed.mid(2));
        if (trimmed.startsWith(QLatin1Char('[')))
            return endText() && picture(trimmed.mid(1));
        if (m_pending.isEmpty())
            return startText(PageBlock::Kind::Paragraph, trimmed);
        m_pending += QLatin1Char(' ') + trimmed;
        return true;
    }

    bool startText(PageBlock::Kind kind, const QString &text)
    {
        m_kind = kind;
        m_pending = text;
        m_pendingLine = m_lineNumber;
        return true;
    }

    bool endText()
    {
        if (m_pending.isEmpty())
            return true;
        PageBlock block;
        block.kind = m_kind;
        block.line = m_pendingLine;
        const QString text = m_pending;
        m_pending.clear();
        if (!parseRuns(text, &block.runs))
            return fail(QStringLiteral("a * is not closed"), m_pendingLine);
        m_page->blocks.append(block);
        return true;
    }

    bool directive(const QString &text)
    {
        const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = true, ok2 = true;
        if (words.size() == 2 && words.first() == QLatin1String("side")) {
            m_page->sideWidth = words.at(1).toInt(&ok);
        } else if (words.size() == 3 && words.first() == QLatin1String("keepclear")) {
            m_page->keepClear = QPoint(words.at(1).toInt(&ok), words.at(2).toInt(&ok2));
        } else {
            return fail(QStringLiteral("unknown setting @%1").arg(text));
        }
        return ok && ok2 ? true : fail(QStringLiteral("@%1 needs whole numbers").arg(text));
    }

    bool picture(QString text)
    {
        PageBlock block;
        block.kind = PageBlock::Kind::Picture;
        block.line = m_lineNumber;
        if (text.endsWith(QLatin1Char(']')))
            text.chop(1);
        else
            m_openPicture = true;
        const int bar = text.indexOf(QLatin1Char('|'));
        if (bar >= 0) {
            block.caption = text.mid(bar + 1).trimmed();
            text.truncate(bar);
        }
        block.words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (block.words.isEmpty())
            return fail(QStringLiteral("a picture needs a name"));
        block.picture = block.words.takeFirst();
        m_page->blocks.append(block);
        return true;
    }

    bool fail(const QString &what, int line = 0)
    {
        *m_error = QStringLiteral("line %1: %2").arg(line ? line : m_lineNumber).arg(what);
        return false;
    }

    PageSource *m_page;
    QString *m_error;
    int m_lineNumber = 0;
    bool m_openPicture = false;
    PageBlock::Kind m_kind = PageBlock::Kind::Paragraph;
    QString m_pending;
    int m_pendingLine = 0;
};

} // namespace

bool parsePageSource(const QString &text, PageSource *page, QString *error)
{
    *page = PageSource();
    return Parser(page, error).parse(text);
}

QString plainText(const PageSource &page)
{
    QStringList parts;
    for (const PageBlock &block : page.blocks) {
        QString text;
        for (const TextRun &run : block.runs)
            text += QString(run.text).replace(QLatin1Char('~'), QLatin1Char(' '));
        if (block.kind == PageBlock::Kind::Picture)
            text = (QStringList{block.caption} + block.lines).join(QLatin1Char(' '));
        parts.append(text);
    }
    return parts.join(QLatin1Char('\n'));
}
