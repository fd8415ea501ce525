#pragma once

#include "frame/screen.h"

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

    explicit ResultsScreen(ScreenHost &host);
    void load() override;

    // The score out of the whole, with its praise; the heading goes on the certificate.
    void showScore(int score, int outOf, const QString &heading);
    // What the quiz makes visible once it has scored.
    void revealAction();

    ButtonArray *buttons() const { return m_buttons; }
    QString pupilName() const;
    int score() const { return m_score; }
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
    int m_score = 0;
    int m_outOf = 0;
    QString m_heading;
    // Run one after another once the screen is up, so it paints before the picture loads.
    QTimer m_pictureTimer;
    QTimer m_focusTimer;
    QTimer m_lastTimer;
};
