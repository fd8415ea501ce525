#pragma once

#include <QValidator>

// Lets into a text box only what a line of the program's files keeps as it stands, so
// nothing typed or pasted is replaced behind the teacher's back when it is saved.
class LineTextValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
