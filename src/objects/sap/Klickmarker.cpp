#include "objects/sap/Klickmarker.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSystemLabel.h"

#include <QFontMetrics>
#include <QLabel>

#include <vector>

namespace {
constexpr int Klicktext = 30; // the system value of the text clicked last

std::vector<THSystemLabel*> Klicktextlabels(TSeitenfenster& Fenster) {
    std::vector<THSystemLabel*> labels;
    TiefDurchlaufen(Fenster.Objektliste(), [&](TObjektliste& e) {
        auto* label = qobject_cast<THSystemLabel*>(e.Objekt.data());
        if (label && label->Anzeige == Klicktext) labels.push_back(label);
        return true;
    });
    return labels;
}

void MarkerPlatzieren(QLabel& Marker, const THLabel& Label, int X) {
    const QString text = Label.text();
    QFont schrift = Label.font();
    const int w = QFontMetrics(schrift).horizontalAdvance(text) / static_cast<int>(text.size());
    // Characters narrower than a pixel leave no place to mark.
    if (w <= 0) return;
    const int i = X / w + 1;
    Marker.setText(i <= text.size() ? QString(text[i - 1]) : QStringLiteral(" "));
    Marker.setFont(schrift);
    const QRect ort = RechteckImFenster(Label);
    Marker.setGeometry(ort.left() + (i - 1) * w, ort.top(), w, Label.height());
    Marker.raise();
    Marker.show();
}
} // namespace

void KlickmarkerSetzen(THLabel& Label, int X) {
    TSeitenfenster* fenster = Label.Fenster();
    if (!fenster || Label.text().isEmpty()) return;
    const std::vector<THSystemLabel*> labels = Klicktextlabels(*fenster);
    if (labels.empty()) return;
    for (THSystemLabel* label : labels)
        label->TextZeigen(Label.text());
    if (QLabel* marker = fenster->Klickmarker()) MarkerPlatzieren(*marker, Label, X);
}
