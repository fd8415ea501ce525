#pragma once

#include "exchange/question.h"

class QIODevice;

// The XML question bank format: a <quiz> of <question type=...>, read as a stream so a file
// of any size costs memory for one question at a time. A DOCTYPE, and with it any entity
// declaration, is refused before anything is expanded.
namespace moodlexml {

struct Reading
{
    QList<exchange::Question> questions;
    QString problem; // why the file cannot be read, when it cannot: a question that cannot be
                     // read holds its own problem, and the rest are read
};

Reading read(QIODevice &device);

} // namespace moodlexml
