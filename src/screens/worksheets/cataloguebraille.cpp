#include "worksheets/cataloguebraille.h"

#include "embossing/louistranslator.h"
#include "frame/dialogs.h"
#include "frame/screenhost.h"
#include "frame/services.h"
#include "printouts/braillefile.h"
#include "texts/publisher.h"

#include <QDir>
#include <QSettings>

#include <optional>

namespace cataloguebraille {

const char *const embosserSetting = "braille/embosser";

namespace {

struct Choice
{
    WorksheetCopy copy;
    BrailleGrade grade;
};

// Which copy, in which grade; nothing when the teacher cancels.
std::optional<Choice> chooseCopy(Dialogs &dialogs, const QString &caption)
{
    static const QList<std::pair<QString, Choice>> choices = {
        {QStringLiteral("Worksheet, contracted (grade 2)"),
         {WorksheetCopy::Worksheet, BrailleGrade::Contracted}},
        {QStringLiteral("Worksheet, uncontracted (grade 1)"),
         {WorksheetCopy::Worksheet, BrailleGrade::Uncontracted}},
        {QStringLiteral("Answer key, contracted (grade 2)"),
         {WorksheetCopy::AnswerKey, BrailleGrade::Contracted}},
        {QStringLiteral("Answer key, uncontracted (grade 1)"),
         {WorksheetCopy::AnswerKey, BrailleGrade::Uncontracted}},
    };
    QStringList names;
    for (const auto &choice : choices)
        names.append(choice.first);
    const int chosen =
        dialogs.chooseItem(caption, QStringLiteral("Which copy, in which Braille?"), names, 0);
    if (chosen < 0 || chosen >= choices.size())
        return std::nullopt;
    return choices.at(chosen).second;
}

QSettings settings()
{
    return QSettings(publisher::creditLine, publisher::programName);
}

} // namespace

void save(ScreenHost &host, const QuestionSet &set)
{
    Dialogs &dialogs = host.dialogs();
    const std::optional<Choice> choice = chooseCopy(dialogs, QStringLiteral("Save in Braille"));
    if (!choice)
        return;
    const QString path = dialogs.chooseFileToSave(
        QStringLiteral("Save the %1 in Braille").arg(copyName(choice->copy)),
        QDir::home().filePath(braillefile::fileName(set, choice->copy)),
        {QStringLiteral("Braille Ready Files (*.brf)")});
    if (path.isEmpty())
        return;
    LouisTranslator translator(choice->grade);
    QString problem;
    dialogs.inform(braillefile::write(path, set, choice->copy, translator, &problem)
                       ? QStringLiteral("The %1 has been saved in Braille as %2.")
                             .arg(copyName(choice->copy), path)
                       : problem);
}

void print(ScreenHost &host, const QuestionSet &set)
{
    Dialogs &dialogs = host.dialogs();
    Embossers &embossers = *host.services().embossers;
    const QStringList printers = embossers.printers();
    if (printers.isEmpty()) {
        dialogs.inform(QStringLiteral("No printer is set up on this computer, so there is no "
                                      "embosser to send the Braille to."));
        return;
    }
    const std::optional<Choice> choice = chooseCopy(dialogs, QStringLiteral("Print in Braille"));
    if (!choice)
        return;
    const int last = int(printers.indexOf(settings().value(embosserSetting).toString()));
    const int chosen = dialogs.chooseItem(QStringLiteral("Print in Braille"),
                                          QStringLiteral("Which printer is the Braille embosser?"),
                                          printers, std::max(last, 0));
    if (chosen < 0 || chosen >= printers.size())
        return;
    const QString embosser = printers.at(chosen);
    settings().setValue(embosserSetting, embosser);

    LouisTranslator translator(choice->grade);
    QString problem;
    const std::optional<QByteArray> bytes =
        braillefile::make(set, choice->copy, translator, &problem);
    if (!bytes) {
        dialogs.inform(problem);
        return;
    }
    const QString jobTitle = braillefile::fileName(set, choice->copy);
    dialogs.inform(
        embossers.sendRaw(embosser, jobTitle, *bytes, &problem)
            ? QStringLiteral("Your %1 in Braille has been sent to %2.")
                  .arg(copyName(choice->copy), embosser)
            : QStringLiteral("The Braille could not be sent to %1: %2").arg(embosser, problem));
}

} // namespace cataloguebraille
