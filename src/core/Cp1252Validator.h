#pragma once
#include <QValidator>

// Lets a text box take only characters that a Windows-1252 file can hold, so
// a name typed or pasted is stored as it was entered, never with "?" in it.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override;
};
