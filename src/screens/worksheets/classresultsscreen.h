#pragma once

#include "frame/screen.h"
#include "results/classresults.h"

class AttemptsTable;
class ButtonArray;
class QComboBox;
class QLabel;
class QTableView;
class ShareChartView;

// The teacher's view of a set's results: every attempt, newest first, the class's figures and
// the chart of the questions, with the table exported as a spreadsheet file and printed.
class ClassResultsScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { ExportCommand = 0, PrintCommand = 1, ExitCommand = 2 };

    explicit ClassResultsScreen(ScreenHost &host);
    void load() override;

    // Shows the results of the set of that title, read afresh from the results folder.
    void showResults(const QString &title);

    const ClassResults &results() const { return m_results; }
    ButtonArray *buttons() const { return m_buttons; }
    QTableView *table() const { return m_table; }
    QComboBox *sets() const { return m_sets; }
    QLabel *summary() const { return m_summary; }
    ShareChartView *chart() const { return m_chart; }

private:
    void fillChooser(const QString &shown, const QList<Attempt> &attempts);
    void clicked(int index);
    void exportTable();
    void printResults();

    ButtonArray *m_buttons;
    QLabel *m_title;
    QComboBox *m_sets;
    QLabel *m_summary;
    QTableView *m_table;
    AttemptsTable *m_attempts;
    ShareChartView *m_chart;
    ClassResults m_results;
};

// Opens the results view on the set of that title.
void openClassResults(ScreenHost &host, const QString &title);
