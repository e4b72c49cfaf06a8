#include "player/ObjektFabrik.h"

#include "objects/auswahl/THAbhaken.h"
#include "objects/auswahl/THBmpCheckBox.h"
#include "objects/auswahl/THCheckBox.h"
#include "objects/auswahl/THListBox.h"
#include "objects/auswahl/THRadioButton.h"
#include "objects/auswahl/THSAPComboBox.h"
#include "objects/auswertung/THAuswertung.h"
#include "objects/auswertung/THStringAuswertung.h"
#include "objects/auswertung/THZielBereich.h"
#include "objects/bereiche/THFunktion.h"
#include "objects/bereiche/THHyperSensitive.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/bilder/THBevel.h"
#include "objects/bilder/THBitmap.h"
#include "objects/bilder/THShape.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/eingabe/THMaskEdit.h"
#include "objects/eingabe/THMemo.h"
#include "objects/eingabe/THSB_Editfeld.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/fortschritt/THDialog.h"
#include "objects/fortschritt/THLernfortschritt.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/knoepfe/THNavKnopf.h"
#include "objects/knoepfe/THSchaltflaeche.h"
#include "objects/knoepfe/THSpeedButton.h"
#include "objects/knoepfe/THVerzweigung.h"
#include "objects/sap/THSAPButton.h"
#include "objects/sap/THSAPDynMenu.h"
#include "objects/sap/THSAPSpeedButton.h"
#include "objects/sap/THSAPStatuszeile.h"
#include "objects/texte/THILabel.h"
#include "objects/texte/THLabel.h"
#include "objects/texte/THSchatten.h"
#include "objects/texte/THSystemLabel.h"
#include "objects/texte/THText.h"
#include "store/Objekttyp.h"

#include <algorithm>
#include <iterator>

namespace {

template <class Klasse> QWidget* Neu(QWidget* Eltern) {
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
    {Objekttyp::Editfeld, Neu<THEditfeld>},
    {Objekttyp::Label, Neu<THLabel>},
    {Objekttyp::Shape, Neu<THShape>},
    {Objekttyp::NavWeiter, Neu<THNavWeiter>},
    {Objekttyp::ILabel, Neu<THILabel>},
    {Objekttyp::NavZurueck, Neu<THNavZurueck>},
    {Objekttyp::Lernfortschritt, Neu<THLernfortschritt>},
    {Objekttyp::SAPButton, Neu<THSAPButton>},
    {Objekttyp::SAPComboBox, Neu<THSAPComboBox>},
    {Objekttyp::SAPDynMenu, Neu<THSAPDynMenu>},
    {Objekttyp::Bevel, Neu<THBevel>},
    {Objekttyp::CheckBox, Neu<THCheckBox>},
    {Objekttyp::RadioButton, Neu<THRadioButton>},
    {Objekttyp::SpeedButton, Neu<THSpeedButton>},
    {Objekttyp::SAPSpeedButton, Neu<THSAPSpeedButton>},
    {Objekttyp::SAPStatuszeile, Neu<THSAPStatuszeile>},
    {Objekttyp::Auswertung, Neu<THAuswertung>},
    {Objekttyp::MouseSensitive, Neu<THMouseSensitive>},
    {Objekttyp::HyperSensitive, Neu<THHyperSensitive>},
    {Objekttyp::Schatten, Neu<THSchatten>},
    {Objekttyp::Message, Neu<THMessage>},
    {Objekttyp::StringAuswertung, Neu<THStringAuswertung>},
    {Objekttyp::Memo, Neu<THMemo>},
    {Objekttyp::ListBox, Neu<THListBox>},
    {Objekttyp::MaskEdit, Neu<THMaskEdit>},
    {Objekttyp::Dialog, Neu<THDialog>},
    {Objekttyp::ZielBereich, Neu<THZielBereich>},
    {Objekttyp::SB_Editfeld, Neu<THSB_Editfeld>},
    {Objekttyp::SystemLabel, Neu<THSystemLabel>},
    {Objekttyp::Funktion, Neu<THFunktion>},
    {Objekttyp::Schaltflaeche, Neu<THSchaltflaeche>},
    {Objekttyp::FunktionsSchaltflaeche, Neu<THFunktionsSchaltflaeche>},
    {Objekttyp::BmpCheckBox, Neu<THBmpCheckBox>},
    {Objekttyp::Abhaken, Neu<THAbhaken>},
};

} // namespace

QWidget* ObjektFabrik(int Typ, QWidget* Eltern) {
    const auto klasse = std::find_if(std::begin(Klassen), std::end(Klassen),
                                     [Typ](const TKlasse& k) { return Typ == k.Typ; });
    if (klasse == std::end(Klassen)) return nullptr;
    QWidget* objekt = klasse->Erzeugen(Eltern);
    if (const TSeitenobjekt* s = TSeitenobjekt::Von(objekt); s && s->SofortSichtbar())
        objekt->show();
    return objekt;
}
