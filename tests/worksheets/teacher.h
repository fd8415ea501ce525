#pragma once

// A teacher at the main menu with saved worksheets: shared by the tests of the wizard and
// the catalogue.

#include "files/textfile.h"
#include "frame/appstate.h"
#include "pupil.h"
#include "worksheetfixtures.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetfile.h"

inline QStringList shownEntries(CatalogueScreen *catalogue)
{
    QStringList titles;
    for (int slot = 1; slot <= CataloguePages::slotCount; ++slot) {
        ButtonLabel *label = catalogue->entries()->at(slot);
        if (label->isVisibleTo(catalogue))
            titles << label->text();
    }
    return titles;
}

// A teacher at the main menu, with the topic installed and an index listing `titles`,
// each with a worksheet file.
struct Teacher
{
    TestProgram program;
    MainMenu *menu = nullptr;

    explicit Teacher(const QStringList &titles = {}, const Classroom &who = Classroom())
    {
        program.context().state().classroom = who;
        program.writeFile(topicFile, topicSet(QStringLiteral("Tomas Verrin")));
        program.writeFile(indexPath, indexBytes(titles));
        for (const QString &title : titles)
            program.writeFile(worksheetfile::path(title).replace(u'\\', u'/'),
                              questionSetBytes(title));
        menu = startProgram(program.context());
    }

    static QByteArray questionSetBytes(const QString &title)
    {
        QByteArray bytes;
        for (const QString &line : questionSetLines(questionSetOf(completeDraft(title))))
            bytes += windows1252::encode(line) + "\r\n";
        return bytes;
    }

    Screens &screens() { return program.context().screens(); }
    QStringList &messages() { return program.dialogs().messages; }
    QWidget *focus() { return program.context().backdrop().focusWidget(); }

    WizardScreen *openWizard()
    {
        click(menu->entries()->at(MainMenu::WizardEntry));
        return screens().find<WizardScreen>();
    }
    CatalogueScreen *openCatalogue()
    {
        click(screens().find<MainMenu>()->entries()->at(MainMenu::CatalogueEntry));
        return screens().find<CatalogueScreen>();
    }
};

inline void clickEntry(CatalogueScreen *catalogue, int slot)
{
    click(catalogue->entries()->at(slot));
}
