#include "quiz/answerkeys.h"

#include <Qt>

namespace answerkeys {

QString letter(int choice)
{
    return QString(QChar(u'A' + (choice - 1)));
}

int choiceForKey(int key)
{
    if (key >= Qt::Key_1 && key < Qt::Key_1 + answerCount)
        return key - Qt::Key_1 + 1;
    if (key >= Qt::Key_A && key < Qt::Key_A + answerCount)
        return key - Qt::Key_A + 1;
    return 0;
}

} // namespace answerkeys
