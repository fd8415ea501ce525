#pragma once

#include "ui/screen.h"

#include <QTimer>

class ButtonArray;
class PictureView;
class QLabel;
class QLineEdit;

// "Welldone": the score with its praise, and one action that depends on it: a certificate
// for full marks, the list of wrong answers otherwise.
class ResultsScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { ActionCommand = 0, ExitCommand = 1 };
    static constexpr int maxNameLength = 25;

    explicit ResultsScreen(AppContext &context);
    void load() override;

    // What the quiz makes visible once it has scored.
    void revealAction();

    ButtonArray *buttons() const { return m_buttons; }
    QString pupilName() const;
    // The font the certificate's heading is measured in.
    static QFont ownFont();

private:
    void showPicture();
    void settleFocus();
    void clicked(int index);
    void exitResults();
    void printPage();

    ButtonArray *m_buttons;
    QLabel *m_banner;
    QLabel *m_hint;
    QLabel *m_tryAgain;
    QLabel *m_nameInstruction;
    QLineEdit *m_name;
    PictureView *m_picture;
    // Run one after another once the screen is up, so it paints before the picture loads.
    QTimer m_pictureTimer;
    QTimer m_focusTimer;
    QTimer m_lastTimer;
};
