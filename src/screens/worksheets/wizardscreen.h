#pragma once

#include "frame/screen.h"
#include "worksheets/worksheetdraft.h"

#include <QList>

#include <array>

class ButtonArray;
class QCheckBox;
class QLabel;
class QLineEdit;

// "wizard": a teacher writes a worksheet of ten questions, four answers each with the
// right one ticked, and saves it into the catalogue. Opens empty from the main menu,
// filled in from the catalogue, or with the questions an import left over.
class WizardScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { ExitCommand = 0, SaveCommand = 1 };

    explicit WizardScreen(ScreenHost &host);
    void load() override;

    WorksheetDraft draft() const;
    // Fills every box from a draft, as editing a worksheet does, marking the boxes the
    // draft marks. openedOn is the worksheet (a stored title) the draft was read from for
    // editing: saving under its title replaces it without asking, where any other
    // worksheet's title asks first.
    void setDraft(const WorksheetDraft &draft, const QString &openedOn = QString());
    // Shows the first of the drafts an import left over; each save brings the next.
    void holdLeftOvers(const QList<WorksheetDraft> &drafts);

    ButtonArray *buttons() const { return m_buttons; }

private:
    void buildQuestion(int question);
    void chainTextBoxes();
    void clicked(int index);
    void save();
    bool mayReplace(const WorksheetDraft &current) const;
    void showDraft(const WorksheetDraft &draft);
    void unmark(QLineEdit *box, BoxMark &mark);
    void showLeftOverNote();

    QLineEdit *m_title;
    std::array<QLineEdit *, WorksheetDraft::questionCount> m_questions{};
    std::array<QLineEdit *, WorksheetDraft::answerCount> m_answers{};
    std::array<QCheckBox *, WorksheetDraft::answerCount> m_ticks{};
    std::array<BoxMark, WorksheetDraft::questionCount> m_questionMarks;
    std::array<BoxMark, WorksheetDraft::answerCount> m_answerMarks;
    ButtonArray *m_buttons;
    QLabel *m_leftOverNote;
    QList<WorksheetDraft> m_waiting; // drafts left over from an import, after this one
    int m_leftOverSets = 0;          // how many there were in all
    QString m_openedOn;              // the worksheet being edited, as stored; empty for a new one
};
