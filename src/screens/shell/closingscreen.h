#pragma once

#include "frame/screen.h"

class PictureView;
class QPushButton;

// "Titlefrm": shown when the user leaves the main menu; offers to go back or to end the
// program.
class ClosingScreen : public Screen
{
    Q_OBJECT
public:
    explicit ClosingScreen(ScreenHost &host);
    void load() override;
    void setCancelCaption(const QString &caption);

private:
    void cancel();

    PictureView *m_picture;
    QPushButton *m_cancelButton;
    QPushButton *m_exitButton;
};
