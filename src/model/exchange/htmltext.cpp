#include "exchange/htmltext.h"

#include "files/textfile.h"

#include <QHash>
#include <QTextDocumentFragment>

namespace htmltext {

namespace {

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(QChar c, bool hex)
{
    return (c >= u'0' && c <= u'9') ||
           (hex && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')));
}

bool listed(const QString &list, const QString &name)
{
    return list.contains(u' ' + name + u' ');
}

// Elements that start a line or a block: the words either side of them stay apart.
bool breaksWords(const QString &tag)
{
    static const QString tags = QStringLiteral(
        " address article aside blockquote br caption center dd div dl dt figcaption figure "
        "footer h1 h2 h3 h4 h5 h6 header hr li main nav ol p pre section td th tr ul ");
    return listed(tags, tag);
}

// What the words alone would lose, for a tag that shows more than words.
Loss lossOf(const QString &tag)
{
    static const QString media =
        QStringLiteral(" img image audio video embed object iframe svg canvas picture ");
    if (listed(media, tag))
        return Loss::Picture;
    if (tag == QLatin1String("table"))
        return Loss::Table;
    if (tag == QLatin1String("math"))
        return Loss::Formula;
    return Loss::None;
}

QString fromCodePoint(uint code)
{
    // Browsers read these as the windows-1252 characters, as old pages meant them.
    if (code >= 0x80 && code <= 0x9F)
        return windows1252::decode(QByteArray(1, char(code)));
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return QString(QChar::ReplacementCharacter);
    const char32_t c = code;
    return QString::fromUcs4(&c, 1);
}

QString namedCharacter(const QString &name)
{
    static QHash<QString, QString> known = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral("\u00A0")},
    };
    if (const auto found = known.constFind(name); found != known.constEnd())
        return *found;
    // Qt knows the rest of the names; given a reference alone, its reader has no "<" to
    // misread. Only names it knows are kept, so the table stays as small as that list.
    const QString reference = u'&' + name + u';';
    const QString decoded = QTextDocumentFragment::fromHtml(reference).toPlainText();
    if (decoded.isEmpty() || decoded == reference)
        return {};
    known.insert(name, decoded);
    return decoded;
}

// The character reference at html[at] == '&' appended to out; returns where reading goes on.
qsizetype readReference(const QString &html, qsizetype at, QString &out)
{
    const qsizetype n = html.size();
    qsizetype i = at + 1;
    if (i < n && html.at(i) == u'#') {
        const bool hex = i + 1 < n && (html.at(i + 1) == u'x' || html.at(i + 1) == u'X');
        const qsizetype start = i + (hex ? 2 : 1);
        qsizetype end = start;
        while (end < n && isDigit(html.at(end), hex))
            ++end;
        if (end == start) {
            out += u'&';
            return at + 1;
        }
        bool ok = false;
        const uint code = html.mid(start, end - start).toUInt(&ok, hex ? 16 : 10);
        out += fromCodePoint(ok ? code : 0x110000);
        return end < n && html.at(end) == u';' ? end + 1 : end;
    }
    qsizetype end = i;
    while (end < n && (isLetter(html.at(end)) || isDigit(html.at(end), false)))
        ++end;
    const QString name = html.mid(i, end - i);
    if (!name.isEmpty() && end < n && html.at(end) == u';') {
        const QString named = namedCharacter(name);
        if (!named.isEmpty()) {
            out += named;
            return end + 1;
        }
    }
    // Browsers still read the oldest names without their ";".
    for (const char *old : {"amp", "lt", "gt", "quot", "nbsp", "AMP", "LT", "GT", "QUOT"}) {
        const QLatin1String legacy(old);
        if (name.startsWith(legacy)) {
            out += namedCharacter(QString(legacy).toLower());
            return i + legacy.size();
        }
    }
    out += u'&';
    return at + 1;
}

struct Tag
{
    QString name; // in lower case
    bool end = false;
    qsizetype next = -1; // just past its ">", or -1 when it is never closed
};

// The tag at html[at] == '<', followed by a letter or by "/" and a letter.
Tag readTag(const QString &html, qsizetype at)
{
    const qsizetype n = html.size();
    Tag tag;
    qsizetype i = at + 1;
    if (html.at(i) == u'/') {
        tag.end = true;
        ++i;
    }
    const qsizetype start = i;
    while (i < n && !html.at(i).isSpace() && html.at(i) != u'/' && html.at(i) != u'>')
        ++i;
    tag.name = html.mid(start, i - start).toLower();
    // On to the ">" that ends it, past any quoted value, which may hold a ">" of its own.
    while (i < n && html.at(i) != u'>') {
        if (html.at(i) != u'=') {
            ++i;
            continue;
        }
        ++i;
        while (i < n && html.at(i).isSpace())
            ++i;
        if (i < n && (html.at(i) == u'"' || html.at(i) == u'\'')) {
            const qsizetype close = html.indexOf(html.at(i), i + 1);
            if (close < 0)
                return tag;
            i = close + 1;
        }
    }
    if (i < n)
        tag.next = i + 1;
    return tag;
}

// Where a comment, a declaration or a stray "</ ..." ends: they show nothing.
qsizetype skipNothingShown(const QString &html, qsizetype at)
{
    if (html.mid(at, 4) == QLatin1String("<!--")) {
        const qsizetype end = html.indexOf(QLatin1String("-->"), at + 4);
        return end < 0 ? -1 : end + 3;
    }
    const qsizetype end = html.indexOf(u'>', at + 1);
    return end < 0 ? -1 : end + 1;
}

} // namespace

Reading read(const QString &html)
{
    Reading reading;
    QString &out = reading.text;
    const auto lose = [&reading](Loss loss) {
        if (reading.loss == Loss::None)
            reading.loss = loss;
    };
    const qsizetype n = html.size();
    qsizetype raisedFrom = -1; // where text inside <sup> or <sub> began
    QString raisedTag;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = html.at(i);
        if (c == u'&') {
            i = readReference(html, i, out);
            continue;
        }
        const QChar next = i + 1 < n ? html.at(i + 1) : QChar();
        const QChar third = i + 2 < n ? html.at(i + 2) : QChar();
        const bool tag = isLetter(next) || (next == u'/' && isLetter(third));
        const bool hidden = next == u'!' || next == u'?' || (next == u'/' && !third.isNull());
        if (c != u'<' || !(tag || hidden)) {
            out += c;
            ++i;
            continue;
        }
        if (!tag) {
            i = skipNothingShown(html, i);
            if (i < 0) {
                lose(Loss::UnclosedTag);
                break;
            }
            continue;
        }
        const Tag found = readTag(html, i);
        if (found.next < 0) {
            lose(Loss::UnclosedTag);
            break;
        }
        i = found.next;
        if (!found.end &&
            (found.name == QLatin1String("script") || found.name == QLatin1String("style"))) {
            // Their content is never shown.
            const qsizetype end =
                html.indexOf(QLatin1String("</") + found.name, i, Qt::CaseInsensitive);
            const qsizetype close = end < 0 ? -1 : html.indexOf(u'>', end);
            if (close < 0) {
                lose(Loss::UnclosedTag);
                break;
            }
            i = close + 1;
            continue;
        }
        lose(lossOf(found.name));
        if (breaksWords(found.name))
            out += u' ';
        if (found.name != QLatin1String("sup") && found.name != QLatin1String("sub"))
            continue;
        if (!found.end && raisedFrom < 0) {
            raisedFrom = out.size();
            raisedTag = found.name;
        } else if (found.end && found.name == raisedTag && raisedFrom >= 0) {
            // A power of one, two or three has a character of its own in the code page.
            const QString raised = out.mid(raisedFrom);
            static const QString digits = QStringLiteral("123");
            static const QString powers = QStringLiteral("\u00B9\u00B2\u00B3");
            if (raisedTag == QLatin1String("sup") && raised.size() == 1 && digits.contains(raised))
                out.replace(raisedFrom, 1, powers.at(digits.indexOf(raised)));
            else if (!raised.trimmed().isEmpty())
                lose(Loss::RaisedText);
            raisedFrom = -1;
        }
    }
    if (raisedFrom >= 0 && !out.mid(raisedFrom).trimmed().isEmpty())
        lose(Loss::RaisedText);
    return reading;
}

} // namespace htmltext
