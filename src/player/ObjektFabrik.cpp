#include "player/ObjektFabrik.h"

#include "objects/THBevel.h"
#include "objects/THBitmap.h"
#include "objects/THFunktion.h"
#include "objects/THFunktionsSchaltflaeche.h"
#include "objects/THHyperSensitive.h"
#include "objects/THILabel.h"
#include "objects/THLabel.h"
#include "objects/THMessage.h"
#include "objects/THMouseSensitive.h"
#include "objects/THNavKnopf.h"
#include "objects/THSchaltflaeche.h"
#include "objects/THSchatten.h"
#include "objects/THShape.h"
#include "objects/THSpeedButton.h"
#include "objects/THText.h"
#include "objects/THVerzweigung.h"
#include "objects/fortschritt/THDialog.h"
#include "objects/fortschritt/THLernfortschritt.h"

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
    {18, Neu<THLernfortschritt>},
    {29, Neu<THBevel>},
    {32, Neu<THSpeedButton>},
    {37, Neu<THMouseSensitive>},
    {41, Neu<THHyperSensitive>},
    {42, Neu<THSchatten>},
    {43, Neu<THMessage>},
    {51, Neu<THDialog>},
    {59, Neu<THFunktion>},
    {60, Neu<THSchaltflaeche>},
    {62, Neu<THFunktionsSchaltflaeche>},
};

// Containers and memo fields.
constexpr int SofortSichtbar[] = {46, 47, 57};

} // namespace

QWidget* ObjektFabrik(int Typ, QWidget* Eltern) {
    const auto klasse = std::find_if(std::begin(Klassen), std::end(Klassen),
                                     [Typ](const TKlasse& k) { return k.Typ == Typ; });
    if (klasse == std::end(Klassen)) return nullptr;
    QWidget* objekt = klasse->Erzeugen(Eltern);
    if (std::find(std::begin(SofortSichtbar), std::end(SofortSichtbar), Typ) !=
        std::end(SofortSichtbar))
        objekt->show();
    return objekt;
}
