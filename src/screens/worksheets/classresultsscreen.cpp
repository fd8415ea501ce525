#include "worksheets/classresultsscreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/place.h"
#include "controls/waitcursor.h"
#include "files/commas.h"
#include "files/textfile.h"
#include "frame/appstate.h"
#include "frame/dialogs.h"
#include "frame/printjob.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "quiz/topicquiz.h"
#include "results/resultsfolder.h"
#include "results/resultsprintout.h"
#include "worksheets/classresultsview.h"

#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>

ClassResultsScreen::ClassResultsScreen(ScreenHost &host)
    : Screen(host, QStringLiteral("classresults"))
{
    using namespace controls;
    m_title = textLabel(client(), QStringLiteral("Label1"), QStringLiteral("Results of"),
                        {240, 120, 2520, 540}, fonts::screenFont(fonts::tahoma, 20, true),
                        colours::commandText);
    m_sets = new QComboBox(client());
    m_sets->setObjectName(QStringLiteral("Combo1"));
    m_sets->setFont(fonts::screenFont(fonts::tahoma, 16, true));
    m_sets->setAccessibleName(QStringLiteral("Results of"));
    placeTwips(m_sets, 2760, 120, 9000, 540);
    connect(m_sets, &QComboBox::activated, this,
            [this](int index) { showResults(m_sets->itemText(index)); });
    m_summary = textLabel(client(), QStringLiteral("Label2"), QString(), {240, 720, 11520, 660},
                          fonts::screenFont(fonts::tahoma, 11, true), colours::white);
    m_summary->setWordWrap(true);

    m_attempts = new AttemptsTable(this);
    m_table = new QTableView(client());
    m_table->setObjectName(QStringLiteral("Grid1"));
    m_table->setModel(m_attempts);
    m_table->setFont(fonts::screenFont(fonts::tahoma, 11));
    m_table->setAccessibleName(QStringLiteral("Attempts, newest first"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    // Rows and headings grow with the zoom, as the text in them does.
    m_table->horizontalHeader()->setFont(fonts::screenFont(fonts::tahoma, 11, true));
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_table->font()).height() * 3 /
                                                     2);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    placeTwips(m_table, 240, 1440, 5040, 6240);

    m_chart = new ShareChartView(client());
    m_chart->setObjectName(QStringLiteral("Picture1"));
    placeTwips(m_chart, 5520, 1440, 6240, 6240);

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(ExportCommand, QStringLiteral("Export CSV\u2026"), {240, 7920, 2760, 495}, look)
        ->setToolTip(QStringLiteral("Save the table as a file a spreadsheet opens."));
    m_buttons->add(PrintCommand, QStringLiteral("Print"), {3240, 7920, 1500, 495}, look)
        ->setToolTip(QStringLiteral("Print the figures, the chart and the table."));
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    setSpokenHeading(QStringLiteral("Results"));
    setEscapeCommand(m_buttons->at(ExitCommand));
    connect(m_buttons, &ButtonArray::clicked, this, &ClassResultsScreen::clicked);
}

void openClassResults(ScreenHost &host, const QString &title)
{
    Screens &screens = host.screens();
    screens.touch<ClassResultsScreen>()->showResults(title);
    screens.show<ClassResultsScreen>();
}

void ClassResultsScreen::load()
{
    setupScreen();
}

void ClassResultsScreen::showResults(const QString &title)
{
    const WaitCursor waiting;
    const ResultsFolder::Loaded loaded = ResultsFolder().load();
    m_results = ClassResults::of(title, loaded.attempts);
    fillChooser(title, loaded.attempts);
    // A file or record left out is said, so the teacher knows the figures may be short.
    m_summary->setText((QStringList{m_results.summary()} + loaded.problems()).join(u' '));
    m_attempts->setAttempts(&m_results.attempts);
    // A screen reader entering the table starts at the newest attempt's pupil.
    if (!m_results.attempts.isEmpty())
        m_table->setCurrentIndex(m_attempts->index(0, 0));
    m_chart->setResults(&m_results);
    setSpokenHeading(QStringLiteral("Results: ") + title);
}

void ClassResultsScreen::fillChooser(const QString &shown, const QList<Attempt> &attempts)
{
    // The topic's quiz, then the catalogue's worksheets, then any other set a pupil took.
    QStringList titles = {topicquiz::title()};
    for (const QString &stored : host().state().worksheetIndex.titles)
        titles << decodeCommas(stored);
    for (const Attempt &attempt : attempts)
        titles << attempt.title;
    titles << shown;
    titles.removeAll(QString());
    titles.removeDuplicates();
    const QSignalBlocker quiet(m_sets);
    m_sets->clear();
    m_sets->addItems(titles);
    m_sets->setCurrentText(shown);
}

void ClassResultsScreen::clicked(int index)
{
    switch (index) {
    case ExportCommand:
        exportTable();
        break;
    case PrintCommand:
        printResults();
        break;
    default:
        host().screens().unload(this);
        break;
    }
}

void ClassResultsScreen::exportTable()
{
    Dialogs &dialogs = host().dialogs();
    const QString path = dialogs.chooseFileToSave(
        QStringLiteral("Export the results"),
        QDir::home().filePath(m_results.title + QStringLiteral(" results.csv")),
        {QStringLiteral("Spreadsheet files (*.csv)")});
    if (path.isEmpty())
        return;
    QString error;
    if (writeWholeFile(path, m_results.tableCsv(), &error))
        dialogs.inform(QStringLiteral("The results are saved in %1.").arg(path));
    else
        dialogs.inform(error);
}

void ClassResultsScreen::printResults()
{
    runPrintJob(
        host(), [this](PrintSurface &surface) { return printClassResults(surface, m_results); },
        QStringLiteral("The results are now printing."));
}
