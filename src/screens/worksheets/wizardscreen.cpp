#include "worksheets/wizardscreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/linetextvalidator.h"
#include "controls/place.h"
#include "controls/waitcursor.h"
#include "files/commas.h"
#include "frame/appstate.h"
#include "frame/dialogs.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "worksheets/worksheetindex.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

using Draft = WorksheetDraft;

// Where answer j of a question lies, from the question's corner: its letter, its tick
// and its box.
struct AnswerPlace
{
    double letterLeft, letterTop, letterWidth;
    double tickLeft, tickTop;
    double boxLeft, boxTop;
};
constexpr AnswerPlace answerPlaces[Draft::answersPerQuestion] = {
    {255, 1200, 240, 480, 1230, 720, 1230},
    {3090, 1200, 270, 3330, 1230, 3600, 1230},
    {270, 1560, 240, 480, 1560, 720, 1560},
    {3090, 1560, 270, 3330, 1560, 3600, 1560},
};
const char *const letters[Draft::answersPerQuestion] = {"A", "B", "C", "D"};

QLineEdit *textBox(QWidget *parent, const QString &name, const QString &accessibleName,
                   const QRectF &twips, double points, int maxLength)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFont(fonts::screenFont(fonts::timesNewRoman, points));
    controls::setUpUnannounced([box, maxLength] { box->setMaxLength(maxLength); });
    box->setValidator(new LineTextValidator(box));
    placeTwips(box, twips.x(), twips.y(), twips.width(), twips.height());
    return box;
}

QString questionName(int question)
{
    return QStringLiteral("Question %1").arg(question + 1);
}

// A marked box stands out, and tells its whole text to the pointer and to a screen reader.
void showMark(QLineEdit *box, const BoxMark &mark)
{
    box->setStyleSheet(mark.isSet()
                           ? QStringLiteral("QLineEdit { background-color: %1; "
                                            "border: 2px solid %2; }")
                                 .arg(colours::markedBox.name(), colours::markedBoxBorder.name())
                           : QString());
    box->setToolTip(mark.original);
    box->setAccessibleDescription(mark.original);
}

bool anySet(const std::array<BoxMark, Draft::questionCount> &questions,
            const std::array<BoxMark, Draft::answerCount> &answers)
{
    const auto set = [](const BoxMark &mark) { return mark.isSet(); };
    return std::any_of(questions.begin(), questions.end(), set) ||
           std::any_of(answers.begin(), answers.end(), set);
}

} // namespace

WizardScreen::WizardScreen(ScreenHost &host) : Screen(host, QStringLiteral("wizard"))
{
    using namespace controls;
    const QFont heading = fonts::screenFont(fonts::tahoma, 18, true);
    textLabel(client(), QStringLiteral("Label1"), QStringLiteral("Multiple Choice Wizard"),
              {0, 0, 4320, 540}, heading, colours::commandText);
    textLabel(client(), QStringLiteral("Label2"), QStringLiteral("Worksheet Title"),
              {5160, 120, 2280, 345}, fonts::screenFont(fonts::tahoma, 14.25, true),
              colours::commandText, Qt::AlignLeft | Qt::AlignVCenter);
    m_title = textBox(client(), QStringLiteral("Text1"), QStringLiteral("Worksheet title"),
                      {7560, 120, 4215, 375}, 12, Draft::titleLength);
    for (int q = 0; q < Draft::questionCount; ++q)
        buildQuestion(q);

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(SaveCommand, QStringLiteral("Save Worksheet"), {240, 7920, 3165, 495}, look);
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    // Between the two commands: what to do with questions an import left over.
    m_leftOverNote = textLabel(client(), QStringLiteral("Label6"), QString(),
                               {3525, 7920, 6915, 495}, fonts::screenFont(fonts::tahoma, 9, true),
                               colours::commandText, Qt::AlignLeft | Qt::AlignVCenter);
    m_leftOverNote->setWordWrap(true);
    m_leftOverNote->hide();
    setSpokenHeading(QStringLiteral("Multiple Choice Wizard"));
    setEscapeCommand(m_buttons->at(ExitCommand));
    connect(m_buttons, &ButtonArray::clicked, this, &WizardScreen::clicked);
    chainTextBoxes();
}

void WizardScreen::buildQuestion(int q)
{
    using namespace controls;
    // Two columns of five questions.
    const double x = 5880 * (q / 5);
    const double y = 1440 * (q % 5);
    const QFont letterFont = fonts::screenFont(fonts::tahoma, 12, true);
    const QString name = questionName(q);
    textLabel(client(), QStringLiteral("Label4(%1)").arg(q), name,
              {240 + x, 600 + y, q == 9 ? 1170.0 : 1050.0, 240},
              fonts::screenFont(fonts::tahoma, 9.75, true), colours::commandText,
              Qt::AlignLeft | Qt::AlignVCenter);
    m_questions.at(q) = textBox(client(), QStringLiteral("Text2(%1)").arg(q), name,
                                {240 + x, 840 + y, 5655, 375}, 12, Draft::questionLength);
    connect(m_questions.at(q), &QLineEdit::textEdited, this,
            [this, q] { unmark(m_questions.at(q), m_questionMarks.at(q)); });
    for (int j = 0; j < Draft::answersPerQuestion; ++j) {
        const AnswerPlace &at = answerPlaces[j];
        const int i = Draft::answerIndex(q, j);
        const QString answer = QStringLiteral("%1, answer %2").arg(name, letters[j]);
        textLabel(client(), QStringLiteral("Label5(%1)").arg(i), QLatin1String(letters[j]) + u'.',
                  {at.letterLeft + x, at.letterTop + y, at.letterWidth, 285}, letterFont,
                  colours::commandText, Qt::AlignLeft | Qt::AlignVCenter);
        QCheckBox *tick =
            checkBox(client(), QStringLiteral("Check1(%1)").arg(i), QString(),
                     {at.tickLeft + x, at.tickTop + y, 255, 315}, letterFont, colours::commandText);
        tick->setAccessibleName(answer + QStringLiteral(" is correct"));
        m_ticks.at(i) = tick;
        m_answers.at(i) =
            textBox(client(), QStringLiteral("Text3(%1)").arg(i), answer,
                    {at.boxLeft + x, at.boxTop + y, 2295, 330}, 9.75, Draft::answerLength);
        connect(m_answers.at(i), &QLineEdit::textEdited, this,
                [this, i] { unmark(m_answers.at(i), m_answerMarks.at(i)); });
    }
}

void WizardScreen::chainTextBoxes()
{
    // Title, then each question followed by its answers A to D: the order of both the Enter
    // key and Tab. The ticks come after every text box, then the commands.
    QList<QLineEdit *> boxes{m_title};
    for (int q = 0; q < Draft::questionCount; ++q) {
        boxes.append(m_questions.at(q));
        for (int j = 0; j < Draft::answersPerQuestion; ++j)
            boxes.append(m_answers.at(Draft::answerIndex(q, j)));
    }
    QList<QWidget *> tabOrder(boxes.begin(), boxes.end());
    tabOrder.append(QList<QWidget *>(m_ticks.begin(), m_ticks.end()));
    tabOrder << m_buttons->at(SaveCommand) << m_buttons->at(ExitCommand);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    // Enter in the last answer box stays there.
    for (qsizetype i = 0; i + 1 < boxes.size(); ++i) {
        QLineEdit *next = boxes.at(i + 1);
        connect(boxes.at(i), &QLineEdit::returnPressed, next,
                [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

void WizardScreen::load()
{
    setupScreen();
    for (QCheckBox *tick : m_ticks)
        controls::setBackColour(tick, colours::frame);
}

WorksheetDraft WizardScreen::draft() const
{
    Draft draft;
    draft.title = m_title->text();
    for (int q = 0; q < Draft::questionCount; ++q)
        draft.questions.at(q) = m_questions.at(q)->text();
    for (int i = 0; i < Draft::answerCount; ++i) {
        draft.answers.at(i) = m_answers.at(i)->text();
        draft.ticks.at(i) = m_ticks.at(i)->isChecked();
    }
    draft.questionMarks = m_questionMarks;
    draft.answerMarks = m_answerMarks;
    return draft;
}

void WizardScreen::setDraft(const WorksheetDraft &draft, const QString &openedOn)
{
    m_openedOn = openedOn;
    m_waiting.clear();
    m_leftOverSets = 0;
    showDraft(draft);
}

void WizardScreen::holdLeftOvers(const QList<WorksheetDraft> &drafts)
{
    if (drafts.isEmpty())
        return;
    m_openedOn.clear();
    m_waiting = drafts;
    m_leftOverSets = int(drafts.size());
    showDraft(m_waiting.takeFirst());
}

void WizardScreen::showDraft(const WorksheetDraft &draft)
{
    controls::setUpUnannounced([this, &draft] { m_title->setText(draft.title); });
    m_questionMarks = draft.questionMarks;
    m_answerMarks = draft.answerMarks;
    // A text wider than its box shows its start, where a teacher begins to read.
    const auto fill = [](QLineEdit *box, const QString &text, const BoxMark &mark) {
        controls::setUpUnannounced([box, &text] {
            box->setText(text);
            box->setCursorPosition(0);
        });
        showMark(box, mark);
    };
    for (int q = 0; q < Draft::questionCount; ++q)
        fill(m_questions.at(q), draft.questions.at(q), m_questionMarks.at(q));
    for (int i = 0; i < Draft::answerCount; ++i) {
        fill(m_answers.at(i), draft.answers.at(i), m_answerMarks.at(i));
        m_ticks.at(i)->setChecked(draft.ticks.at(i));
    }
    showLeftOverNote();
}

void WizardScreen::unmark(QLineEdit *box, BoxMark &mark)
{
    if (!mark.isSet())
        return;
    mark = BoxMark();
    showMark(box, mark);
    showLeftOverNote();
}

void WizardScreen::showLeftOverNote()
{
    QStringList note;
    if (m_leftOverSets > 1) {
        note << QStringLiteral("Questions left over: set %1 of %2.")
                    .arg(m_leftOverSets - m_waiting.size())
                    .arg(m_leftOverSets);
        if (!m_waiting.isEmpty())
            note << QStringLiteral("Saving brings the next.");
    }
    if (anySet(m_questionMarks, m_answerMarks))
        note << QStringLiteral("Rewrite each box marked in orange before saving: the pointer "
                               "over it shows its whole text.");
    m_leftOverNote->setText(note.join(u' '));
    m_leftOverNote->setVisible(!note.isEmpty());
}

void WizardScreen::clicked(int index)
{
    if (index == SaveCommand)
        save();
    else if (index == ExitCommand)
        host().screens().unload(this);
}

void WizardScreen::save()
{
    const WorksheetDraft current = draft();
    if (!mayReplace(current))
        return;
    const WorksheetSave outcome = [&] {
        // On a busy shared folder a save may wait its turn at the index.
        const WaitCursor waiting;
        return genWork(current, WorksheetIndexFile(), &host().state().worksheetIndex);
    }();
    if (outcome.saved) {
        // The title box shows the title the worksheet can be found under, and saving it
        // again replaces it without asking.
        m_title->setText(outcome.savedTitle);
        m_openedOn = encodeCommas(outcome.savedTitle);
    }
    host().dialogs().inform(outcome.message);
    // The next questions left over take the boxes once these are saved, as a new worksheet.
    if (outcome.saved && !m_waiting.isEmpty()) {
        m_openedOn.clear();
        showDraft(m_waiting.takeFirst());
    }
}

bool WizardScreen::mayReplace(const WorksheetDraft &current) const
{
    // Read afresh: on a shared folder a colleague may have saved under this title meanwhile.
    const QString replaced = replacedWorksheet(current, m_openedOn, WorksheetIndexFile().load());
    return replaced.isEmpty() || host().dialogs().ask(worksheetmessages::replaceQuestion(replaced));
}
