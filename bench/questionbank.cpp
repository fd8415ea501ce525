#include "questionbank.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace questionbank {

namespace {

const QString category = QStringLiteral("$course$/top/General Knowledge");

// One question in plain words, before either format's markup.
struct Item
{
    QString name;
    QString text;
    std::array<QString, 4> answers;
    int right = 0; // 0 to 3
};

struct Pair
{
    const char *first;
    const char *second;
};

// UTF-8 in the source; every character has a byte in windows-1252.
const std::array<Pair, 20> capitals = {{
    {"France", "Paris"},      {"Peru", "Lima"},         {"Kenya", "Nairobi"},
    {"Canada", "Ottawa"},     {"Norway", "Oslo"},       {"Côte d’Ivoire", "Yamoussoukro"},
    {"Iceland", "Reykjavík"}, {"Colombia", "Bogotá"},   {"Austria", "Vienna"},
    {"Japan", "Tokyo"},       {"Brazil", "Brasília"},   {"Egypt", "Cairo"},
    {"Vietnam", "Hanoi"},     {"Chile", "Santiago"},    {"Poland", "Warsaw"},
    {"Ghana", "Accra"},       {"Portugal", "Lisbon"},   {"Turkey", "Ankara"},
    {"Cameroon", "Yaoundé"},  {"Paraguay", "Asunción"},
}};

const std::array<Pair, 16> books = {{
    {"Jane Eyre", "Charlotte Brontë"},
    {"Emma", "Jane Austen"},
    {"Don Quixote", "Miguel de Cervantes"},
    {"Les Misérables", "Victor Hugo"},
    {"Great Expectations", "Charles Dickens"},
    {"Anna Karenina", "Leo Tolstoy"},
    {"Frankenstein", "Mary Shelley"},
    {"Moby-Dick", "Herman Melville"},
    {"The Odyssey", "Homer"},
    {"Romeo & Juliet", "William Shakespeare"},
    {"Faust", "Goethe"},
    {"Candide", "Voltaire"},
    {"Madame Bovary", "Gustave Flaubert"},
    {"Ulysses", "James Joyce"},
    {"The Trial", "Franz Kafka"},
    {"Middlemarch", "George Eliot"},
}};

const std::array<Pair, 10> symbols = {{
    {"tilde", "~"},
    {"hash", "#"},
    {"equals sign", "="},
    {"left brace", "{"},
    {"right brace", "}"},
    {"colon", ":"},
    {"less-than sign", "<"},
    {"at sign", "@"},
    {"caret", "^"},
    {"backslash", "\\"},
}};

// Polygons of 3 to 12 sides.
const std::array<const char *, 10> shapes = {"triangle",   "square",   "pentagon", "hexagon",
                                             "heptagon",   "octagon",  "nonagon",  "decagon",
                                             "hendecagon", "dodecagon"};

const std::array<const char *, 4> partsOfSpeech = {"noun", "verb", "adjective", "adverb"};
const std::array<std::array<const char *, 5>, 4> words = {{
    {"table", "river", "courage", "café", "window"},
    {"run", "whisper", "build", "forgive", "carry"},
    {"quiet", "yellow", "naïve", "brave", "narrow"},
    {"slowly", "often", "soon", "gently", "loudly"},
}};

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// Numbers as answers, the wrong ones moved on until all four differ.
std::array<QString, 4> numbers(int right, std::array<int, 3> wrong)
{
    QList<int> seen{right};
    std::array<QString, 4> answers{QString::number(right)};
    for (int i = 0; i < 3; ++i) {
        while (seen.contains(wrong[i]))
            ++wrong[i];
        seen.append(wrong[i]);
        answers[i + 1] = QString::number(wrong[i]);
    }
    return answers;
}

// Answers with the right one first; item() moves it to its place.
Item made(int i)
{
    const int k = i / 10;
    Item item;
    switch (i % 10) {
    case 0: {
        const int a = 2 + k % 11, b = 3 + (k * 7) % 10;
        item.name = QStringLiteral("multiplication");
        item.text = QStringLiteral("What is %1 × %2?").arg(a).arg(b);
        item.answers = numbers(a * b, {a * b + a, a * b - b, a * b + 1});
        break;
    }
    case 1: {
        const Pair &c = capitals[k % capitals.size()];
        item.name = QStringLiteral("capitals");
        item.text = (k % 2 ? QStringLiteral("Which city, of these four, is the capital of %1?")
                           : QStringLiteral("What is the capital city of %1?"))
                        .arg(u8(c.first));
        item.answers = {u8(c.second), u8(capitals[(k + 3) % capitals.size()].second),
                        u8(capitals[(k + 7) % capitals.size()].second),
                        u8(capitals[(k + 12) % capitals.size()].second)};
        break;
    }
    case 2: {
        const int a = 1 + k % 9, b = a + 1 + k % 5;
        item.name = QStringLiteral("ratios");
        item.text = QStringLiteral("Which fraction matches the ratio %1:%2?").arg(a).arg(b);
        item.answers = {
            QStringLiteral("%1/%2").arg(a).arg(b), QStringLiteral("%1/%2").arg(b).arg(a),
            QStringLiteral("%1/%2").arg(a).arg(a + b), QStringLiteral("%1/%2").arg(b).arg(a + b)};
        break;
    }
    case 3: {
        const int x = 2 + k % 17, y = 5 + (k * 3) % 13;
        item.name = QStringLiteral("algebra");
        item.text = QStringLiteral("If x = %1 and y = %2, what is x + y?").arg(x).arg(y);
        item.answers = numbers(x + y, {x * y, x + y + 2, y - x + 20});
        break;
    }
    case 4: {
        const int part = k % 4;
        item.name = QStringLiteral("grammar");
        item.text = QStringLiteral("Which of these words, in English, is %1 %2?")
                        .arg(part == 2 || part == 3 ? QStringLiteral("an") : QStringLiteral("a"),
                             QLatin1String(partsOfSpeech[part]));
        for (int j = 0; j < 4; ++j)
            item.answers[j] = u8(words[(part + j) % 4][(k + j) % 5]);
        break;
    }
    case 5: {
        const int n = 3 + k % 10;
        item.name = QStringLiteral("shapes");
        item.text = QStringLiteral("How many sides has a %1, counted all round?")
                        .arg(QLatin1String(shapes[n - 3]));
        item.answers = numbers(n, {n + 1, n - 1, n + 2});
        break;
    }
    case 6: {
        item.name = QStringLiteral("symbols");
        item.text = QStringLiteral("Which of these symbols is called the %1?")
                        .arg(u8(symbols[k % symbols.size()].first));
        for (int j = 0; j < 4; ++j)
            item.answers[j] = u8(symbols[(k + 3 * j) % symbols.size()].second);
        break;
    }
    case 7: {
        const Pair &b = books[k % books.size()];
        item.name = QStringLiteral("books");
        item.text = QStringLiteral("Who wrote “%1”?").arg(u8(b.first));
        item.answers = {u8(b.second), u8(books[(k + 5) % books.size()].second),
                        u8(books[(k + 9) % books.size()].second),
                        u8(books[(k + 14) % books.size()].second)};
        break;
    }
    case 8: {
        const int c = 5 * (k % 21);
        const int f = c * 9 / 5 + 32;
        item.name = QStringLiteral("temperature");
        item.text = QStringLiteral("What is %1 °C, in degrees Fahrenheit?").arg(c);
        item.answers = numbers(f, {c + 32, f - 8, f + 2});
        for (QString &answer : item.answers)
            answer += QStringLiteral(" °F");
        break;
    }
    default: {
        const int percent = std::array<int, 5>{10, 20, 25, 50, 75}[k % 5];
        const int of = 40 * (1 + k % 12);
        const int r = percent * of / 100;
        item.name = QStringLiteral("percentages");
        item.text = QStringLiteral("What is %1% of %2, to the nearest whole?").arg(percent).arg(of);
        item.answers = numbers(r, {r + 1, r * 10, of - percent});
        break;
    }
    }
    return item;
}

Item item(int i)
{
    Item item = made(i);
    item.name = QStringLiteral("Q%1 %2").arg(i + 1, 4, 10, QChar(u'0')).arg(item.name);
    item.right = (i + i / 10) % 4;
    std::swap(item.answers[0], item.answers[item.right]);
    return item;
}

QString giftEscaped(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (QStringLiteral("~=#{}:\\").contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

// HTML as an editor writes it: markup characters as entities, and on some questions the
// letters beyond ASCII as named entities too.
QString html(const QString &text, bool named)
{
    static const QList<std::pair<QChar, QString>> entities = {
        {u'×', QStringLiteral("&times;")},  {u'é', QStringLiteral("&eacute;")},
        {u'á', QStringLiteral("&aacute;")}, {u'í', QStringLiteral("&iacute;")},
        {u'ó', QStringLiteral("&oacute;")}, {u'ë', QStringLiteral("&euml;")},
        {u'ï', QStringLiteral("&iuml;")},   {u'ô', QStringLiteral("&ocirc;")},
        {u'°', QStringLiteral("&deg;")},    {u'’', QStringLiteral("&rsquo;")},
        {u'“', QStringLiteral("&ldquo;")},  {u'”', QStringLiteral("&rdquo;")},
    };
    QString out = text.toHtmlEscaped();
    if (named) {
        for (const auto &[c, entity] : entities)
            out.replace(c, entity);
    }
    return out;
}

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The <text> of an HTML field: in CDATA, or escaped as XML, as exporters do either.
QString htmlText(const QString &markup, bool cdata)
{
    return cdata ? QStringLiteral("<text><![CDATA[%1]]></text>").arg(markup)
                 : QStringLiteral("<text>%1</text>").arg(xmlEscaped(markup));
}

} // namespace

QByteArray gift(int questions)
{
    QString out = QStringLiteral("// Exported question bank\n\n$CATEGORY: %1\n\n").arg(category);
    for (int i = 0; i < questions; ++i) {
        const Item q = item(i);
        if (i % 100 == 0)
            out += QStringLiteral("// Unit %1\n").arg(i / 100 + 1);
        out += QStringLiteral("::%1:: %2 {").arg(q.name, giftEscaped(q.text));
        // Some questions are written one answer a line, with feedback.
        const bool long_ = i % 7 == 0;
        for (int a = 0; a < 4; ++a) {
            out += long_ ? QStringLiteral("\n\t") : QStringLiteral(" ");
            out += (a == q.right ? u'=' : u'~') + giftEscaped(q.answers[a]);
            if (long_)
                out += a == q.right ? QStringLiteral("#Well done.")
                                    : QStringLiteral("#Not quite, try again.");
        }
        out += long_ ? QStringLiteral("\n}\n\n") : QStringLiteral(" }\n\n");
    }
    return out.toUtf8();
}

QByteArray moodleXml(int questions)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
                                 "<!-- question: 0  -->\n"
                                 "  <question type=\"category\">\n"
                                 "    <category>\n      <text>%1</text>\n    </category>\n"
                                 "    <info format=\"html\">\n      <text></text>\n    </info>\n"
                                 "  </question>\n\n")
                      .arg(category);
    for (int i = 0; i < questions; ++i) {
        const Item q = item(i);
        const bool cdata = i % 3 != 1;
        const bool named = i % 2 == 0;
        out +=
            QStringLiteral("<!-- question: %1  -->\n"
                           "  <question type=\"multichoice\">\n"
                           "    <name>\n      <text>%2</text>\n    </name>\n"
                           "    <questiontext format=\"html\">\n      %3\n    </questiontext>\n"
                           "    <generalfeedback format=\"html\">\n      <text></text>\n"
                           "    </generalfeedback>\n"
                           "    <defaultgrade>1.0000000</defaultgrade>\n"
                           "    <penalty>0.3333333</penalty>\n    <hidden>0</hidden>\n"
                           "    <idnumber></idnumber>\n    <single>true</single>\n"
                           "    <shuffleanswers>true</shuffleanswers>\n"
                           "    <answernumbering>abc</answernumbering>\n"
                           "    <correctfeedback format=\"html\">\n"
                           "      <text>Your answer is correct.</text>\n"
                           "    </correctfeedback>\n"
                           "    <incorrectfeedback format=\"html\">\n"
                           "      <text>Your answer is incorrect.</text>\n"
                           "    </incorrectfeedback>\n    <shownumcorrect/>\n")
                .arg(i + 1)
                .arg(xmlEscaped(q.name),
                     // Editors leave a non-breaking space at the end now and then.
                     htmlText(QStringLiteral("<p dir=\"ltr\" style=\"text-align: left;\">%1%2</p>")
                                  .arg(html(q.text, named),
                                       named ? QStringLiteral("&nbsp;") : QString()),
                              cdata));
        for (int a = 0; a < 4; ++a) {
            // Short answers are often left without a paragraph.
            const QString markup = i % 4 == 3
                                       ? html(q.answers[a], named)
                                       : QStringLiteral("<p>%1</p>").arg(html(q.answers[a], named));
            out += QStringLiteral("    <answer fraction=\"%1\" format=\"html\">\n      %2\n"
                                  "      <feedback format=\"html\">\n        <text></text>\n"
                                  "      </feedback>\n    </answer>\n")
                       .arg(a == q.right ? 100 : 0)
                       .arg(htmlText(markup, cdata));
        }
        out += QStringLiteral("  </question>\n\n");
    }
    out += QStringLiteral("</quiz>\n");
    return out.toUtf8();
}

} // namespace questionbank
