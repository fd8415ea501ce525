#pragma once

#include "frame/screen.h"
#include "worksheets/cataloguepages.h"
#include "worksheets/worksheetdraft.h"

#include <optional>

class ButtonArray;
class QCheckBox;
class QLabel;
class QMenu;
struct QuestionSet;

// "worksheets": the teachers' saved worksheets, 24 to a page. A click on one takes it as a
// quiz, opens it in the wizard ("Edit Worksheet" ticked) or removes it from the catalogue
// ("Delete Worksheet" ticked). Its menu (right click, or the Menu key) prints it, prints
// its answer key, saves either as PDF or exports it; "Import…" and a dropped file bring
// questions in.
class CatalogueScreen : public Screen
{
    Q_OBJECT
public:
    // Label2(0) is "Exit"; Label2(1) to Label2(24) are the entry slots.
    static constexpr int exitEntry = 0;
    enum PageCommand { PreviousPage = 0, NextPage = 1 };
    // Label5(0): the whole catalogue's command.
    static constexpr int importCommand = 0;
    static const QString corruptedMessage;

    explicit CatalogueScreen(ScreenHost &host);
    void load() override;

    ButtonArray *entries() const { return m_entries; }
    ButtonArray *pageButtons() const { return m_pageButtons; }
    QCheckBox *editBox() const { return m_edit; }
    QCheckBox *deleteBox() const { return m_delete; }
    ButtonArray *importButton() const { return m_import; }
    // The menu of the entry in a slot, built afresh; the caller owns it.
    QMenu *entryMenu(int slot);
    // The catalogue's own menu, for the topic's quiz: its results, and it in Braille.
    QMenu *topicMenu();
    // Brings in question files, then shows the worksheets they made.
    void importFiles(const QStringList &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildEntries();
    void buildExchange();
    void showEntryMenu(int slot, const QPoint &at);
    // The worksheet in a slot, read afresh; false, having told the teacher, when it cannot be.
    bool readEntry(int slot, QuestionSet &set);
    void afterImport(const QList<WorksheetDraft> &leftOver);
    void showPage(const CataloguePages &page);
    void turnPage(int index);
    void entryClicked(int index);
    bool actOn(const QString &shownTitle);
    bool openForEditing(const QuestionSet &set, const QString &storedTitle);
    bool removeFromIndex(const QString &shownTitle, const QString &storedTitle);
    void exitCatalogue();

    QCheckBox *m_edit;
    QCheckBox *m_delete;
    ButtonArray *m_entries;
    ButtonArray *m_pageButtons;
    ButtonArray *m_import;
    QLabel *m_pageLabel;
    CataloguePages m_shown;
};
