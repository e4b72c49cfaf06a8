#include "ObjektTesthilfe.h"

#include "objects/ereignisse/Seitenereignisse.h"
#include "objects/kern/Feldregeln.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "vlmtab/LektionBauen.h"

#include <QImage>

#include <algorithm>
#include <memory>

#include <sstream>

std::vector<int> TEreignisfenster::Nur(std::initializer_list<int> Nummern) const {
    std::vector<int> gewaehlt;
    for (const auto& e : Ereignisse)
        if (std::find(Nummern.begin(), Nummern.end(), e.second) != Nummern.end())
            gewaehlt.push_back(e.second);
    return gewaehlt;
}

TTestfenster::TTestfenster() {
    resize(400, 300);
}

TTestfenster::~TTestfenster() {
    // The entries go before the controls.
    Liste.AlleHerausnehmen();
}

void TTestfenster::FormMouseDown(QObject* Sender, Qt::MouseButton Knopf,
                                 Qt::KeyboardModifiers Umschalter, QPoint Position) {
    Maus.push_back({'d', Sender, Knopf, Umschalter, Position});
}

void TTestfenster::FormMouseMove(QObject* Sender, Qt::MouseButtons Knoepfe,
                                 Qt::KeyboardModifiers Umschalter, QPoint Position) {
    Maus.push_back({'m', Sender, Knoepfe, Umschalter, Position});
}

void TTestfenster::FormMouseUp(QObject* Sender, Qt::MouseButton Knopf,
                               Qt::KeyboardModifiers Umschalter, QPoint Position) {
    Maus.push_back({'u', Sender, Knopf, Umschalter, Position});
}

void TTestfenster::EreignisAusloesen(int32_t Quelle, int EreignisNr) {
    EreignisVerteilen(Liste.Kopf(), Quelle, EreignisNr);
}

void TTestfenster::Fensterbefehl(int Code, int32_t Argument) {
    Befehle.emplace_back(Code, Argument);
}

TObjektliste& TTestfenster::Eintragen(QWidget* Objekt, int32_t Nummer, int16_t Typ) {
    return Eintragen(Liste, Objekt, Nummer, Typ);
}

TObjektliste& TTestfenster::Eintragen(TObjektreihe& Liste, QWidget* Objekt, int32_t Nummer,
                                      int16_t Typ) {
    auto e = std::make_unique<TObjektliste>();
    e->ObjektSetzen(Objekt);
    e->Nummer = Nummer;
    e->Typ = Typ;
    if (TSeitenobjekt* o = TSeitenobjekt::Von(Objekt)) o->Tag = Nummer;
    return Liste.Anhaengen(std::move(e));
}

QRect TTestzielbereich::Zielrechteck() const {
    return RechteckImFenster(*this);
}

void Lektionstest::TearDown() {
    LektionSchliessen();
    Lektionsorte() = TLektionsorte{};
    Testverzeichnis::TearDown();
}

void Lektionstest::LektionBauen(const std::string& Tabellen) {
    std::ostringstream meldungen;
    ASSERT_EQ(vlmtab::LektionAusTextBauen(R"({"tables": {)" + Tabellen + "}}", "test", Verzeichnis,
                                          meldungen),
              0)
        << meldungen.str();
    auto& orte = Lektionsorte();
    orte = TLektionsorte{};
    orte.Programmverzeichnis = orte.Lektionsverzeichnis = Verzeichnis;
    LektionOeffnen();
}

TTabelle& Lektionstest::Objekte() {
    return *Tabelle(ArtObjekte);
}

TDatensatz* Lektionstest::Objektsatz(int32_t Nr) {
    return Objekte().Datensatz(Nr);
}

void BilddateiSchreiben(const std::filesystem::path& Datei, QSize Groesse, QColor Farbe,
                        QColor Ecke) {
    std::filesystem::create_directories(Datei.parent_path());
    QImage bild(Groesse, QImage::Format_RGB32);
    bild.fill(Farbe);
    bild.setPixelColor(0, Groesse.height() - 1, Ecke);
    bild.save(QString::fromStdString(Datei.string()));
}
