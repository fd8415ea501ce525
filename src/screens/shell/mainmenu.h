#pragma once

#include "frame/screen.h"

#include <QTimer>

class ButtonArray;
class Picture;
class PictureView;
class QLabel;
class QRadioButton;

// "intro0": the first screen. Leads to the topic, the teacher's tools, the
// acknowledgements, the publisher's web site and the way out.
class MainMenu : public Screen
{
    Q_OBJECT
public:
    // Menu entries by their index in the design.
    enum Entry {
        TopicEntry = 3,
        WebSiteEntry = 12,
        ExitEntry = 16,
        WizardEntry = 17,
        CatalogueEntry = 18,
        AcknowledgementsEntry = 19,
        GuideEntry = 20,
    };

    explicit MainMenu(ScreenHost &host);
    void load() override;

    ButtonArray *entries() const { return m_entries; }
    // What a teacher's worksheet taken as a quiz shows as its picture and heading.
    static const QString inventorPicturePath;
    static const QString heading;

private:
    void buildEntries();
    void entryClicked(int index);
    void turnSoundOn();
    void openGuide();
    void openWebSite();
    void loadWorksheetIndex();

    ButtonArray *m_entries;
    QLabel *m_heading;
    PictureView *m_inventorPicture;
    PictureView *m_logo;
    QRadioButton *m_soundOn;
    QRadioButton *m_soundOff;
    QWidget *m_frame;
    QTimer m_indexTimer;
};
