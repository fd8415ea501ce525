#pragma once

#include "quiz/questionset.h"
#include "worksheets/worksheetindex.h"

#include <array>

// What the screens share for the whole run, handed to every screen.
struct AppState
{
    int soundOn = 1; // 1 on, 0 off; nothing plays sound, the menu keeps the choice
    int viewerPage = 1;
    int cataloguePage = 0; // the catalogue's page on show, from 0
    // The pages the notes viewer shows: its page count and the file names' common start.
    int viewerPageCount = 0;
    QString viewerPageSet;
    int logoFrame = 0; // the acknowledgements' logo animation, 0 to 19, kept between openings
    WorksheetIndex worksheetIndex;

    // The set the last quiz was opened on; the printouts and the review read it afterwards.
    QuestionSet questionSet;
    int questionNumber = 1;
    std::array<int, QuestionSet::questionCount + 1> marks{}; // entry q for question q
    // Shared by the quiz and the activities that count their own score.
    int score = 0;
    int scoreOutOf = 0;
    QString quizHeading;
};
