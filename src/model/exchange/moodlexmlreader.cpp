#include "exchange/moodlexmlreader.h"

#include <QIODevice>
#include <QXmlStreamReader>

namespace moodlexml {

namespace {

using exchange::Kind;

Kind kindOf(const QStringView type)
{
    static const QList<std::pair<QString, Kind>> kinds = {
        {QStringLiteral("multichoice"), Kind::MultipleChoice},
        {QStringLiteral("truefalse"), Kind::TrueFalse},
        {QStringLiteral("shortanswer"), Kind::ShortAnswer},
        {QStringLiteral("matching"), Kind::Matching},
        {QStringLiteral("numerical"), Kind::Numerical},
        {QStringLiteral("essay"), Kind::Essay},
        {QStringLiteral("description"), Kind::Description},
        {QStringLiteral("multianswer"), Kind::Cloze},
    };
    for (const auto &[name, kind] : kinds) {
        if (type == name)
            return kind;
    }
    return Kind::Other;
}

// The words of the <text> the reader stands on. An element inside it (HTML not escaped,
// say) is skipped and named in *problem, so the question is not read without it.
QString wordsOf(QXmlStreamReader &xml, QString *problem)
{
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            if (problem->isEmpty())
                *problem =
                    QStringLiteral("its text holds the XML element <%1>, where only words belong")
                        .arg(xml.name());
            xml.skipCurrentElement();
        } else if (token == QXmlStreamReader::EndElement) {
            break;
        }
    }
    return text;
}

// Reads the <text> of the element the reader stands on, skipping everything else in it,
// embedded <file>s above all.
QString textOf(QXmlStreamReader &xml, QString *problem)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("text"))
            text = wordsOf(xml, problem);
        else
            xml.skipCurrentElement();
    }
    return text;
}

exchange::Answer answerOf(QXmlStreamReader &xml, QString *problem)
{
    exchange::Answer answer;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView fraction = attributes.value(QLatin1String("fraction"));
    bool number = true;
    answer.fraction = fraction.isEmpty() ? 0 : fraction.toDouble(&number) / 100;
    if (!number && problem->isEmpty())
        *problem = QStringLiteral("an answer's fraction, \"%1\", is not a number").arg(fraction);
    answer.format = attributes.value(QLatin1String("format")).toString();
    answer.text = textOf(xml, problem);
    return answer;
}

// One <question>; a category question only moves *category on.
bool readQuestion(QXmlStreamReader &xml, QString *category, exchange::Question *question)
{
    const QString type = xml.attributes().value(QLatin1String("type")).toString();
    if (type == QLatin1String("category")) {
        QString ignored;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("category"))
                *category = textOf(xml, &ignored).trimmed();
            else
                xml.skipCurrentElement();
        }
        return false;
    }
    question->category = *category;
    question->line = int(xml.lineNumber());
    question->kind = kindOf(type);
    question->otherKind = type;
    QString &problem = question->problem;
    if (type.isEmpty())
        problem = QStringLiteral("it names no type of question");
    bool single = true;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            question->name = textOf(xml, &problem).trimmed();
        } else if (name == QLatin1String("questiontext")) {
            question->format = xml.attributes().value(QLatin1String("format")).toString();
            question->text = textOf(xml, &problem);
        } else if (name == QLatin1String("answer")) {
            question->answers.append(answerOf(xml, &problem));
        } else if (name == QLatin1String("single")) {
            const QString value = wordsOf(xml, &problem).trimmed();
            single = value == QLatin1String("true") || value == QLatin1String("1");
        } else {
            xml.skipCurrentElement();
        }
    }
    if (question->kind == Kind::MultipleChoice && !single)
        question->kind = Kind::MultipleResponse;
    return true;
}

} // namespace

Reading read(QIODevice &device)
{
    Reading reading;
    QXmlStreamReader xml(&device);
    QString category;
    bool inQuiz = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            reading.problem = QStringLiteral(
                "The file declares a document type, which a question file never needs.");
            break;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!inQuiz) {
            if (xml.name() != QLatin1String("quiz")) {
                reading.problem = QStringLiteral("The file is XML but not a quiz of questions.");
                break;
            }
            inQuiz = true;
        } else if (xml.name() == QLatin1String("question")) {
            exchange::Question question;
            if (readQuestion(xml, &category, &question))
                reading.questions.append(question);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (reading.problem.isEmpty() && xml.hasError())
        reading.problem =
            QStringLiteral("The file is not well-formed XML (line %1, column %2: %3).")
                .arg(xml.lineNumber())
                .arg(xml.columnNumber())
                .arg(xml.errorString());
    if (reading.problem.isEmpty() && !inQuiz)
        reading.problem = QStringLiteral("The file holds no quiz of questions.");
    if (!reading.problem.isEmpty())
        reading.questions.clear();
    return reading;
}

} // namespace moodlexml
