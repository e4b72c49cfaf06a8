#include "player/ObjektFabrik.h"

#include "objects/bilder/THBevel.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bereiche/THFunktion.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/bereiche/THHyperSensitive.h"
#include "objects/texte/THILabel.h"
#include "objects/texte/THLabel.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/knoepfe/THNavKnopf.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "objects/texte/THSchatten.h"
#include "objects/bilder/THShape.h"
#include "objects/knoepfe/THSpeedButton.h"
#include "objects/texte/THText.h"
#include "objects/knoepfe/THVerzweigung.h"

#include <algorithm>
#include <iterator>

namespace {

template <class Klasse>
QWidget* Neu(QWidget* Eltern) {
    return new Klasse(Eltern);
}

struct TKlasse {
    int Typ;
    QWidget* (*Erzeugen)(QWidget* Eltern);
};

// Every type code with a class; a code not listed creates nothing.
constexpr TKlasse Klassen[] = {
    {1, Neu<THText>},
    {4, Neu<THVerzweigung>},
    {5, Neu<THBitmap>},
    {7, Neu<THLabel>},
    {9, Neu<THShape>},
    {11, Neu<THNavWeiter>},
    {12, Neu<THILabel>},
    {15, Neu<THNavZurueck>},
    {29, Neu<THBevel>},
    {32, Neu<THSpeedButton>},
    {37, Neu<THMouseSensitive>},
    {41, Neu<THHyperSensitive>},
    {42, Neu<THSchatten>},
    {43, Neu<THMessage>},
    {59, Neu<THFunktion>},
    {60, Neu<THSchaltflaeche>},
    {62, Neu<THFunktionsSchaltflaeche>},
};

} // namespace

QWidget* ObjektFabrik(int Typ, QWidget* Eltern) {
    const auto klasse = std::find_if(std::begin(Klassen), std::end(Klassen),
                                     [Typ](const TKlasse& k) { return k.Typ == Typ; });
    if (klasse == std::end(Klassen)) return nullptr;
    QWidget* objekt = klasse->Erzeugen(Eltern);
    if (const TSeitenobjekt* s = TSeitenobjekt::Von(objekt); s && s->SofortSichtbar())
        objekt->show();
    return objekt;
}
