#pragma once

#include "ui/screen.h"
#include "worksheets/worksheetdraft.h"

#include <QList>

#include <array>

class ButtonArray;
class QCheckBox;
class QLineEdit;

// "wizard": a teacher writes a worksheet of ten questions, four answers each with the
// right one ticked, and saves it into the catalogue. Opens empty from the main menu and
// filled in from the catalogue.
class WizardScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { ExitCommand = 0, SaveCommand = 1 };

    explicit WizardScreen(AppContext &context);
    void load() override;

    WorksheetDraft draft() const;
    // Fills every box from a draft, as editing a worksheet does.
    void setDraft(const WorksheetDraft &draft);

    ButtonArray *buttons() const { return m_buttons; }

private:
    void buildQuestion(int question);
    void chainTextBoxes();
    void clicked(int index);
    void save();

    QLineEdit *m_title;
    std::array<QLineEdit *, WorksheetDraft::questionCount> m_questions{};
    std::array<QLineEdit *, WorksheetDraft::answerCount> m_answers{};
    std::array<QCheckBox *, WorksheetDraft::answerCount> m_ticks{};
    ButtonArray *m_buttons;
};
