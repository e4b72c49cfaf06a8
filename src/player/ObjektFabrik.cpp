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
#include "store/Objekttyp.h"

#include <algorithm>
#include <iterator>

namespace {

template <class Klasse>
QWidget* Neu(QWidget* Eltern) {
    return new Klasse(Eltern);
}

struct TKlasse {
    Objekttyp Typ;
    QWidget* (*Erzeugen)(QWidget* Eltern);
};

// Every type code with a class; a code not listed creates nothing.
constexpr TKlasse Klassen[] = {
    {Objekttyp::Text, Neu<THText>},
    {Objekttyp::Verzweigung, Neu<THVerzweigung>},
    {Objekttyp::Bitmap, Neu<THBitmap>},
    {Objekttyp::Label, Neu<THLabel>},
    {Objekttyp::Shape, Neu<THShape>},
    {Objekttyp::NavWeiter, Neu<THNavWeiter>},
    {Objekttyp::ILabel, Neu<THILabel>},
    {Objekttyp::NavZurueck, Neu<THNavZurueck>},
    {Objekttyp::Bevel, Neu<THBevel>},
    {Objekttyp::SpeedButton, Neu<THSpeedButton>},
    {Objekttyp::MouseSensitive, Neu<THMouseSensitive>},
    {Objekttyp::HyperSensitive, Neu<THHyperSensitive>},
    {Objekttyp::Schatten, Neu<THSchatten>},
    {Objekttyp::Message, Neu<THMessage>},
    {Objekttyp::Funktion, Neu<THFunktion>},
    {Objekttyp::Schaltflaeche, Neu<THSchaltflaeche>},
    {Objekttyp::FunktionsSchaltflaeche, Neu<THFunktionsSchaltflaeche>},
};

// Containers and memo fields.
constexpr Objekttyp SofortSichtbar[] = {Objekttyp::ScrollBox, Objekttyp::Memo, Objekttyp::Fenster};

} // namespace

QWidget* ObjektFabrik(int Typ, QWidget* Eltern) {
    const auto klasse = std::find_if(std::begin(Klassen), std::end(Klassen),
                                     [Typ](const TKlasse& k) { return Typ == k.Typ; });
    if (klasse == std::end(Klassen)) return nullptr;
    QWidget* objekt = klasse->Erzeugen(Eltern);
    if (std::find(std::begin(SofortSichtbar), std::end(SofortSichtbar), Typ) !=
        std::end(SofortSichtbar))
        objekt->show();
    return objekt;
}
