#include "worksheets/cataloguescreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/waitcursor.h"
#include "files/commas.h"
#include "frame/appstate.h"
#include "frame/dialogs.h"
#include "frame/navigation.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "quiz/questionset.h"
#include "quiz/topicquiz.h"
#include "worksheets/cataloguebraille.h"
#include "worksheets/catalogueexchange.h"
#include "worksheets/classresultsscreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetdraft.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

const QString CatalogueScreen::corruptedMessage =
    QStringLiteral("This worksheet seems to be corrupted.");

namespace {
const QColor deleteRed(255, 0, 0);
const QString entryHint =
    QStringLiteral("Right-click, or press the Menu key, to print it, print its answer key, save "
                   "either as PDF, or export it.");

QRectF slotPlace(int slot)
{
    // Two columns of twelve.
    const bool left = slot <= 12;
    const int row = left ? slot - 1 : slot - 13;
    return {left ? 120.0 : 6120.0, 720.0 + 600 * row, 5715, 375};
}

// Ticking one mode box unticks the other; neither ticked means take mode.
void untickOnTick(QCheckBox *ticked, QCheckBox *other)
{
    QObject::connect(ticked, &QCheckBox::toggled, other, [other](bool on) {
        if (on)
            other->setChecked(false);
    });
}
} // namespace

CatalogueScreen::CatalogueScreen(ScreenHost &host) : Screen(host, QStringLiteral("worksheets"))
{
    using namespace controls;
    const QFont modeFont = fonts::screenFont(fonts::tahoma, 12, true);
    textLabel(client(), QStringLiteral("Label1"), QStringLiteral("Worksheets Catalogue"),
              {0, 0, 12000, 780}, fonts::screenFont(fonts::tahoma, 24, true), colours::commandText);
    m_edit = checkBox(client(), QStringLiteral("Check1"), QStringLiteral("Edit Worksheet"),
                      {120, 120, 2535, 375}, modeFont, colours::commandText);
    m_delete = checkBox(client(), QStringLiteral("Check2"), QStringLiteral("Delete Worksheet"),
                        {9240, 120, 2535, 375}, modeFont, deleteRed);
    untickOnTick(m_edit, m_delete);
    untickOnTick(m_delete, m_edit);

    m_pageLabel = textLabel(client(), QStringLiteral("Label4"), QStringLiteral("Page 1"),
                            {120, 7920, 1995, 495}, fonts::screenFont(fonts::tahoma, 15.75, true),
                            colours::blue);
    controls::setBackColour(m_pageLabel, colours::white);
    buildEntries();
    buildExchange();
}

void CatalogueScreen::buildEntries()
{
    m_entries = new ButtonArray(client(), QStringLiteral("Label2"));
    const ButtonArray::Look entryLook = ButtonArray::commandLook(12);
    for (int slot = 1; slot <= CataloguePages::slotCount; ++slot)
        m_entries->add(slot, QString(), slotPlace(slot), entryLook)->hide();

    // The page labels keep their look under the pointer.
    m_pageButtons = new ButtonArray(client(), QStringLiteral("Label3"), false);
    const ButtonArray::Look pageLook = ButtonArray::commandLook();
    m_pageButtons
        ->add(PreviousPage, QStringLiteral("<< Previous Page"), {2640, 7920, 3195, 495}, pageLook,
              false)
        ->hide();
    m_pageButtons
        ->add(NextPage, QStringLiteral("Next Page >>"), {6000, 7920, 3195, 495}, pageLook, false)
        ->hide();
    m_entries->add(exitEntry, QStringLiteral("Exit"), {10560, 7920, 1245, 495},
                   ButtonArray::commandLook(18));
    connect(m_entries, &ButtonArray::clicked, this, &CatalogueScreen::entryClicked);
    setSpokenHeading(QStringLiteral("Worksheets Catalogue"));
    setEscapeCommand(m_entries->at(exitEntry));
    connect(m_pageButtons, &ButtonArray::clicked, this, &CatalogueScreen::turnPage);
}

// "Import…" takes the gap between "Next Page >>" and "Exit", so every control of the
// design keeps its place; the entries say what their menu holds when pointed at.
void CatalogueScreen::buildExchange()
{
    m_import = new ButtonArray(client(), QStringLiteral("Label5"));
    ButtonLabel *import = m_import->add(importCommand, QStringLiteral("Import\u2026"),
                                        {9270, 7920, 1215, 495}, ButtonArray::commandLook(12));
    import->setToolTip(QStringLiteral("Make worksheets from GIFT or Moodle XML question files. "
                                      "You can also drop the files on the catalogue."));
    connect(m_import, &ButtonArray::clicked, this,
            [this] { afterImport(catalogueexchange::chooseAndImport(host())); });
    for (int slot = 1; slot <= CataloguePages::slotCount; ++slot) {
        ButtonLabel *entry = m_entries->at(slot);
        entry->setContextMenuPolicy(Qt::CustomContextMenu);
        entry->setToolTip(entryHint);
        entry->setAccessibleDescription(entryHint);
        connect(entry, &QWidget::customContextMenuRequested, this,
                [this, slot](const QPoint &at) { showEntryMenu(slot, at); });
    }
    setAcceptDrops(true);
    client()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client(), &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu *menu = topicMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(client()->mapToGlobal(at));
    });
}

QMenu *CatalogueScreen::topicMenu()
{
    auto *menu = new QMenu(this);
    menu->setFont(m_entries->at(1)->font());
    QAction *results = menu->addAction(QStringLiteral("Results\u2026"), this,
                                       [this] { openClassResults(host(), topicquiz::title()); });
    if (!host().state().classroom.isTeacher())
        controls::markForTeachers(results);
    // The topic's quiz is no entry of the catalogue, yet a blind pupil needs it on paper too.
    const auto inBraille = [this](void (*act)(ScreenHost &, const QuestionSet &)) {
        return [this, act] {
            QuestionSet set;
            if (readQuestionSetFile(topicquiz::questionSetPath, set))
                act(host(), set);
            else
                host().dialogs().inform(QStringLiteral("The topic's quiz could not be read."));
        };
    };
    menu->addSeparator();
    menu->addAction(QStringLiteral("Save Topic Quiz in Braille\u2026"), this,
                    inBraille(&cataloguebraille::save));
    menu->addAction(QStringLiteral("Print Topic Quiz in Braille\u2026"), this,
                    inBraille(&cataloguebraille::print));
    return menu;
}

QMenu *CatalogueScreen::entryMenu(int slot)
{
    auto *menu = new QMenu(this);
    // As large as the entries, so it reads on a projector too.
    menu->setFont(m_entries->at(slot)->font());
    const auto addAction = [this, menu, slot](const QString &text, auto act) {
        return menu->addAction(text, this, [this, slot, act] {
            QuestionSet set;
            if (readEntry(slot, set))
                act(host(), set);
        });
    };
    addAction(QStringLiteral("Print Worksheet"), [](ScreenHost &c, const QuestionSet &s) {
        catalogueexchange::print(c, s, WorksheetCopy::Worksheet);
    });
    addAction(QStringLiteral("Print Answer Key"), [](ScreenHost &c, const QuestionSet &s) {
        catalogueexchange::print(c, s, WorksheetCopy::AnswerKey);
    });
    // One copy each goes to the default printer above; a class's copies are chosen here.
    QMenu *forClass = menu->addMenu(QStringLiteral("Print for the Class\u2026"));
    forClass->setFont(menu->font());
    for (const WorksheetCopy copy : {WorksheetCopy::Worksheet, WorksheetCopy::AnswerKey}) {
        const QString name = copy == WorksheetCopy::Worksheet ? QStringLiteral("Worksheet\u2026")
                                                              : QStringLiteral("Answer Key\u2026");
        forClass->addAction(name, this, [this, slot, copy] {
            QuestionSet set;
            if (readEntry(slot, set))
                catalogueexchange::printForTheClass(host(), set, copy);
        });
    }
    menu->addSeparator();
    addAction(QStringLiteral("Save Worksheet as PDF\u2026"),
              [](ScreenHost &c, const QuestionSet &s) {
                  catalogueexchange::saveAsPdf(c, s, WorksheetCopy::Worksheet);
              });
    addAction(QStringLiteral("Save Answer Key as PDF\u2026"),
              [](ScreenHost &c, const QuestionSet &s) {
                  catalogueexchange::saveAsPdf(c, s, WorksheetCopy::AnswerKey);
              });
    addAction(QStringLiteral("Save in Braille\u2026"), &cataloguebraille::save);
    addAction(QStringLiteral("Print in Braille\u2026"), &cataloguebraille::print);
    menu->addSeparator();
    const QList<QAction *> teachers = {
        addAction(QStringLiteral("Export\u2026"), &catalogueexchange::exportWorksheet),
        addAction(QStringLiteral("Results\u2026"),
                  [](ScreenHost &c, const QuestionSet &s) { openClassResults(c, s.title); })};
    if (!host().state().classroom.isTeacher())
        for (QAction *action : teachers)
            controls::markForTeachers(action);
    return menu;
}

void CatalogueScreen::showEntryMenu(int slot, const QPoint &at)
{
    QMenu *menu = entryMenu(slot);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_entries->at(slot)->mapToGlobal(at));
}

bool CatalogueScreen::readEntry(int slot, QuestionSet &set)
{
    if (worksheetfile::readShown(m_entries->at(slot)->text(), set))
        return true;
    host().dialogs().inform(corruptedMessage);
    return false;
}

void CatalogueScreen::importFiles(const QStringList &paths)
{
    afterImport(catalogueexchange::importFiles(host(), paths));
}

void CatalogueScreen::afterImport(const QList<WorksheetDraft> &leftOver)
{
    AppState &state = host().state();
    state.worksheetIndex = WorksheetIndexFile().load();
    showPage(CataloguePages::workPage(m_shown.page, state.worksheetIndex.count()));
    if (leftOver.isEmpty())
        return;
    Screens &screens = host().screens();
    screens.touch<WizardScreen>()->holdLeftOvers(leftOver);
    screens.show<WizardScreen>();
}

namespace {
// The question files among dropped URLs; nothing unless every one is one.
QStringList droppedQuestionFiles(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile() || !catalogueexchange::isQuestionFileName(url.toLocalFile()))
            return {};
        paths.append(url.toLocalFile());
    }
    return paths;
}
} // namespace

void CatalogueScreen::dragEnterEvent(QDragEnterEvent *event)
{
    if (host().state().classroom.isTeacher() && !droppedQuestionFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CatalogueScreen::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedQuestionFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended, so the program the files came from is not kept waiting
    // while the teacher reads the report.
    QTimer::singleShot(0, this, [this, paths] { importFiles(paths); });
}

void CatalogueScreen::load()
{
    setupScreen();
    AppState &state = host().state();
    if (!state.classroom.isTeacher())
        for (QWidget *command :
             std::initializer_list<QWidget *>{m_edit, m_delete, m_import->at(importCommand)})
            controls::markForTeachers(command);
    // A missing or damaged index lists what could be read, nothing when it is missing.
    state.worksheetIndex = WorksheetIndexFile().load();
    for (QCheckBox *mode : {m_edit, m_delete})
        controls::setBackColour(mode, colours::frame);
    showPage(CataloguePages::workPage(0, state.worksheetIndex.count()));
}

void CatalogueScreen::showPage(const CataloguePages &page)
{
    m_shown = page;
    const QStringList &titles = host().state().worksheetIndex.titles;
    for (int slot = 1; slot <= CataloguePages::slotCount; ++slot) {
        ButtonLabel *label = m_entries->at(slot);
        const int entry = CataloguePages::entryAt(page.page, slot);
        const bool shown = entry >= page.firstEntry && entry <= page.lastEntry;
        label->setText(shown ? decodeCommas(titles.at(entry - 1)) : QString());
        label->setVisible(shown);
    }
    m_pageButtons->at(PreviousPage)->setVisible(page.previousShown);
    m_pageButtons->at(NextPage)->setVisible(page.nextShown);
    m_pageLabel->setText(page.pageLabel());
}

void CatalogueScreen::turnPage(int index)
{
    const int page = m_shown.page + (index == NextPage ? 1 : -1);
    showPage(CataloguePages::workPage(page, host().state().worksheetIndex.count()));
}

void CatalogueScreen::entryClicked(int index)
{
    if (index == exitEntry) {
        exitCatalogue();
        return;
    }
    if (!actOn(m_entries->at(index)->text()))
        host().dialogs().inform(corruptedMessage);
}

bool CatalogueScreen::actOn(const QString &shownTitle)
{
    const QString storedTitle = encodeCommas(shownTitle);
    QuestionSet set;
    // Read in every mode, so a worksheet whose file is gone cannot be acted on at all.
    if (!worksheetfile::readShown(shownTitle, set))
        return false;
    if (m_edit->isChecked())
        return openForEditing(set, storedTitle);
    if (m_delete->isChecked())
        return removeFromIndex(shownTitle, storedTitle);
    host().navigation().takeWorksheetAsQuiz(set);
    return true;
}

bool CatalogueScreen::openForEditing(const QuestionSet &set, const QString &storedTitle)
{
    const std::optional<WorksheetDraft> draft = editWorksheet(set);
    if (!draft)
        return false;
    Screens &screens = host().screens();
    screens.touch<WizardScreen>()->setDraft(*draft, storedTitle);
    screens.show<WizardScreen>();
    return true;
}

bool CatalogueScreen::removeFromIndex(const QString &shownTitle, const QString &storedTitle)
{
    const QString question =
        QStringLiteral("Are you sure that you want to delete the worksheet ") + shownTitle + u'?';
    if (!host().dialogs().confirm(question))
        return true;
    // Under the index's lock, from the index as it now stands: an entry another copy of
    // the program added meanwhile stays.
    WorksheetIndex &index = host().state().worksheetIndex;
    const bool removed = [&] {
        const WaitCursor waiting;
        return WorksheetIndexFile().delWorksheet(storedTitle, index);
    }();
    if (!removed)
        return false;
    showPage(m_shown.refilled(index.count()));
    return true;
}

void CatalogueScreen::exitCatalogue()
{
    host().navigation().backToMainMenu(this);
}
