#include "exchange/moodlexmlwriter.h"

#include "quiz/questionset.h"

#include <QXmlStreamWriter>

namespace moodlexml {

namespace {

// Worksheet texts are plain: plain_text keeps a "<b>" or a web address as typed, where the
// default auto-format would keep markup as markup and make links and pictures.
const QString plain = QStringLiteral("plain_text");

void writeText(QXmlStreamWriter &xml, const QString &element, const QString &text)
{
    xml.writeStartElement(element);
    xml.writeAttribute(QStringLiteral("format"), plain);
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

void writeQuestion(QXmlStreamWriter &xml, const QString &name, const Question &question)
{
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
    xml.writeStartElement(QStringLiteral("name"));
    xml.writeTextElement(QStringLiteral("text"), name);
    xml.writeEndElement();
    writeText(xml, QStringLiteral("questiontext"), question.text);
    writeText(xml, QStringLiteral("generalfeedback"), QString());
    // One mark, less a third for each wrong try: what a new question is given by default.
    xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
    xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
    // The worksheet's order and letters: pupils who answer "B" on paper mean its second.
    xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
    writeText(xml, QStringLiteral("correctfeedback"), QString());
    writeText(xml, QStringLiteral("partiallycorrectfeedback"), QString());
    writeText(xml, QStringLiteral("incorrectfeedback"), QString());
    for (int a = 0; a < int(question.answers.size()); ++a) {
        xml.writeStartElement(QStringLiteral("answer"));
        xml.writeAttribute(QStringLiteral("fraction"), question.correctChoice() == a + 1
                                                           ? QStringLiteral("100")
                                                           : QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("format"), plain);
        xml.writeTextElement(QStringLiteral("text"), question.answers.at(a));
        writeText(xml, QStringLiteral("feedback"), QString());
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace

QByteArray write(const QuestionSet &set)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    // A title cannot hold "/", so it is one category under the course's top one.
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    xml.writeStartElement(QStringLiteral("category"));
    xml.writeTextElement(QStringLiteral("text"), QStringLiteral("$course$/top/") + set.title);
    xml.writeEndElement();
    xml.writeEndElement();
    for (int n = 1; n <= QuestionSet::questionCount; ++n) {
        const QString name = set.title + u' ' + QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
        writeQuestion(xml, name, set.question(n));
    }
    xml.writeEndDocument();
    return bytes;
}

} // namespace moodlexml
