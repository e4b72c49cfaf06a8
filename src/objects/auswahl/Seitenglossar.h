#pragma once
// The in-page glossary: glossary index lists (`Typ` 1) list every term, cross-reference
// lists (`Typ` 2) the terms an explanation names, and the page's first memo shows the
// explanation of the term chosen in either.

#include <QString>
#include <QStringList>

#include <string>

class THListBox;

// Every glossary term in table order.
QStringList Glossarbegriffe();

// The terms that the words of `Erklaerung` find in the glossary, other than `Begriff`
// itself: each once, sorted without regard to case.
QStringList QuerverweiseErmitteln(const std::string& Erklaerung, const std::string& Begriff);

// `Eintrag` was chosen in `Liste`: when it is a term of the glossary and the page has a
// memo, the memo shows its explanation, every cross-reference list of the page shows its
// cross references, every other index list loses its choice, and event 203 is raised.
void SeitenglossarZeigen(THListBox& Liste, const QString& Eintrag);
