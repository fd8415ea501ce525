#pragma once

#include <QByteArray>

// The topic's quiz, ten questions on Tomas Verrin and his code, as the program's question-set
// file: title, blank, then per question its text, four answers, the right answer's number
// and a blank; windows-1252, CRLF, every comma written as '&'.
QByteArray verrinQuizFile();
