#pragma once

#include "frame/screen.h"

class ButtonArray;
class PictureView;

// "braille": the home of the topic, from which its five activities open in front of it.
class TopicHub : public Screen
{
    Q_OBJECT
public:
    enum Activity {
        QuizActivity = 0,
        CipherActivity = 1,
        ExitHub = 2,
        TimelineActivity = 3,
        KeyFactsActivity = 4,
        NotesActivity = 5,
    };

    explicit TopicHub(ScreenHost &host);
    void load() override;

    ButtonArray *buttons() const { return m_buttons; }

private:
    void clicked(int index);
    void openQuiz();
    void openCipher();
    void openNotes(int pageCount, const QString &pageSet, const QString &heading);
    void exitHub();

    ButtonArray *m_buttons;
    PictureView *m_picture;
    PictureView *m_cipherPicture;
};
