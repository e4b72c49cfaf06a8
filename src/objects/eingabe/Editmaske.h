#pragma once
// The edit masks of the lessons' form toolkit ("!99/99/0000;1;_": mask characters, whether
// the literals belong to the value, the character shown for blanks) in terms of a Qt input
// mask.

#include <QString>

struct TEditmaske {
    QString Qtmaske;               // for QLineEdit::setInputMask, blank character included
    bool LiteraleSpeichern = true; // the value carries the mask's literal characters
};

TEditmaske EditmaskeUebersetzen(const QString& Maske);

// The value of a field shown through `Qtmaske` without the mask's literal characters.
QString OhneLiterale(const QString& Anzeigetext, const QString& Qtmaske);
