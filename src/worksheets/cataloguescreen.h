#pragma once

#include "ui/screen.h"
#include "worksheets/cataloguepages.h"

class ButtonArray;
class QCheckBox;
class QLabel;
struct QuestionSet;

// "worksheets": the teachers' saved worksheets, 24 to a page. A click on one takes it as a
// quiz, opens it in the wizard ("Edit Worksheet" ticked) or removes it from the catalogue
// ("Delete Worksheet" ticked).
class CatalogueScreen : public Screen
{
    Q_OBJECT
public:
    // Label2(0) is "Exit"; Label2(1) to Label2(24) are the entry slots.
    static constexpr int exitEntry = 0;
    enum PageCommand { PreviousPage = 0, NextPage = 1 };
    static const QString corruptedMessage;

    explicit CatalogueScreen(AppContext &context);
    void load() override;

    ButtonArray *entries() const { return m_entries; }
    ButtonArray *pageButtons() const { return m_pageButtons; }
    QCheckBox *editBox() const { return m_edit; }
    QCheckBox *deleteBox() const { return m_delete; }

private:
    void buildEntries();
    void showPage(const CataloguePages &page);
    void turnPage(int index);
    void entryClicked(int index);
    bool actOn(const QString &shownTitle);
    void takeAsQuiz();
    bool openForEditing(const QuestionSet &set);
    bool removeFromIndex(const QString &shownTitle, const QString &storedTitle);
    void exitCatalogue();

    QCheckBox *m_edit;
    QCheckBox *m_delete;
    ButtonArray *m_entries;
    ButtonArray *m_pageButtons;
    QLabel *m_pageLabel;
    CataloguePages m_shown;
};
