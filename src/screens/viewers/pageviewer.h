#pragma once

#include "frame/screen.h"

class ButtonArray;
class PictureView;
class QLabel;
class ReadablePicture;

// A screen of pages drawn as pictures: one page on show, turned with "Next Page" and
// "Previous Page" (or Page Down and Page Up), and printed from its paper picture. The
// Teacher's Guide and the notes viewer are both one of these; each says how many pages it
// has and where their pictures are.
class PageViewer : public Screen
{
    Q_OBJECT
public:
    enum Command { PrintCommand = 0, ExitCommand = 1, NextCommand = 2, PreviousCommand = 3 };

    ButtonArray *buttons() const { return m_buttons; }
    // Image1, the page as the screen shows it, and Image2, the same page for paper.
    ReadablePicture *pagePicture() const { return m_page; }
    PictureView *paperPicture() const { return m_paper; }
    QLabel *pageLabel() const { return m_pageLabel; }

    void setPagePictures(const QString &screenPath, const QString &paperPath);
    // Back to page 1, its pictures loaded; the commands and the label stay as they are.
    void showFirstPage();
    int pageNumber() const { return m_pageNumber; }
    // "Page 2 of 5", shown and read as the page's first line.
    void setPageLabel(const QString &label);

protected:
    // The guide's commands lose their highlight over the bare screen; the notes viewer's
    // keep theirs.
    PageViewer(ScreenHost &host, const QString &name, bool resetOnBackground);

    virtual int pageCount() const = 0;
    // The picture of a page in a folder: "wmf" for the screen, "wmf2" for paper.
    virtual QString picturePath(const QString &folder, int page) const = 0;

    void keyPressEvent(QKeyEvent *event) override;
    // The page opened is read aloud, in the order a screen reader reads it.
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Page Down and Page Up or the arrows turn the page, Escape leaves; true when taken.
    bool pageKey(const QKeyEvent &event);
    void clicked(int index);
    void turnPage(int step);
    void readPage();
    void printPage();

    ReadablePicture *m_page;
    PictureView *m_paper;
    QLabel *m_pageLabel;
    ButtonArray *m_buttons;
    int m_pageNumber = 1;
};
