#pragma once

#include "frame/screen.h"

#include <QList>

class QLabel;

// "Wrong": the questions answered wrongly in the quiz just scored, under the set's title.
class WrongAnswersScreen : public Screen
{
    Q_OBJECT
public:
    static constexpr int lineCount = 10;

    explicit WrongAnswersScreen(ScreenHost &host);
    void load() override;

    void setTitle(const QString &title);
    // One line for each wrong answer, in question order; the rest stay hidden.
    void setLines(const QStringList &lines);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void exitReview();

    QLabel *m_title;
    QLabel *m_intro;
    QList<QLabel *> m_lines;
};
