#include "player/Objektliste.h"

#include "mail/Mailzugang.h"
#include "objects/eingabe/Tabulatorfolge.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenobjekt.h"
#include "player/ObjektFabrik.h"
#include "player/THauptfenster.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Objekttyp.h"
#include "store/Zahlen.h"

#include <QLineEdit>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// The entries of the old page that are listed again, in their old order and by number; the
// first one set aside for a number is the first one taken over.
struct TBeiseite {
    std::vector<std::unique_ptr<TObjektliste>> Reihe; // a taken entry leaves an empty place
    // (number, place in `Reihe`), sorted once all are set aside.
    std::vector<std::pair<int32_t, size_t>> NachNummer;
};

// What differs between the page's own list and a container's.
struct TAufbau {
    THauptfenster& Fenster;
    QWidget* Eltern;
    bool Seite; // the page's own list
    int32_t VersatzX = 0;
    int32_t VersatzY = 0;
};

// Holds the window's repaints back for as long as it lives, then repaints it whole.
class TNeuzeichnenGesammelt {
public:
    TNeuzeichnenGesammelt(QWidget& Fenster, bool Sammeln)
        : Fenster(Fenster), Aktiv(Sammeln && Fenster.updatesEnabled()) {
        if (Aktiv) Fenster.setUpdatesEnabled(false);
    }
    ~TNeuzeichnenGesammelt() {
        if (Aktiv) Fenster.setUpdatesEnabled(true);
    }
    TNeuzeichnenGesammelt(const TNeuzeichnenGesammelt&) = delete;
    TNeuzeichnenGesammelt& operator=(const TNeuzeichnenGesammelt&) = delete;

private:
    QWidget& Fenster;
    bool Aktiv;
};

bool IstContainer(int Typ) {
    return Typ == Objekttyp::ScrollBox || Typ == Objekttyp::Fenster;
}

TDatensatz* Satz(const TObjektliste& Eintrag) {
    TTabelle* objekte = Tabelle(ArtObjekte);
    return objekte ? objekte->Datensatz(Eintrag.Nummer) : nullptr;
}

int32_t Zahl(const TObjektliste& Eintrag, uint16_t FeldId) {
    TTabelle* objekte = Tabelle(ArtObjekte);
    return objekte ? objekte->LeseZahl(Satz(Eintrag), FeldId) : 0;
}

bool Schalter(const TObjektliste& Eintrag, uint16_t FeldId) {
    TTabelle* objekte = Tabelle(ArtObjekte);
    return objekte && objekte->LeseSchalter(Satz(Eintrag), FeldId);
}

// The lines of a page's object list, for asking whether a number is listed. A line is
// compared with the decimal text of an object number (at most its first 10 characters), not
// as a number: "007" or " 7" is not object 7 of the previous page. Only a line that is the
// exact decimal text of a number can equal such a text, so the lines are kept as the numbers
// they spell.
class TGelistet {
public:
    explicit TGelistet(const std::vector<std::string>& Nummernliste) {
        Nummern.reserve(Nummernliste.size());
        for (const std::string& zeile : Nummernliste)
            if (const std::optional<int32_t> nr = GenauGeschrieben(zeile)) Nummern.push_back(*nr);
        std::sort(Nummern.begin(), Nummern.end());
    }
    bool operator()(int32_t Nr) const {
        // Below -999999999 the text has 11 characters; its first 10 spell Nr / 10.
        const int32_t geschrieben = Nr < -999999999 ? Nr / 10 : Nr;
        return std::binary_search(Nummern.begin(), Nummern.end(), geschrieben);
    }

private:
    // The number whose decimal text (as std::to_string writes it) the line is, if any.
    static std::optional<int32_t> GenauGeschrieben(std::string_view Zeile) {
        const bool negativ = !Zeile.empty() && Zeile.front() == '-';
        const std::string_view ziffern = Zeile.substr(negativ ? 1 : 0);
        if (Zeile.size() > 10 || ziffern.empty() || (ziffern.front() == '0' && Zeile != "0"))
            return std::nullopt;
        int64_t wert = 0;
        for (const char c : ziffern) {
            if (c < '0' || c > '9') return std::nullopt;
            wert = wert * 10 + (c - '0');
        }
        if (negativ) wert = -wert;
        if (wert > INT32_MAX || wert < INT32_MIN) return std::nullopt;
        return static_cast<int32_t>(wert);
    }

    std::vector<int32_t> Nummern; // sorted
};

void FokusSichern(THauptfenster& Fenster) {
    if (Fenster.isVisible()) Fenster.Fokushalter()->setFocus();
}

// The object may be the one whose handler runs now, or the one Qt is still delivering an
// event to: it leaves the page at once and is destroyed once control is back in the event
// loop.
void ObjektZerstoeren(TObjektliste& Eintrag) {
    QWidget* w = Eintrag.Objekt.data();
    if (!w) return;
    w->hide();
    w->deleteLater();
}

void SeitenobjektEntfernen(TObjektliste& Eintrag) {
    // The removal effect (field 1281) of a text, picture, label or polyline will play here,
    // on the rectangle the hidden control leaves, before the control goes.
    ObjektZerstoeren(Eintrag);
}

// The page's objects go with their removal effect, a container's at once.
void ObjektEntfernen(const TAufbau& Aufbau, TObjektliste& Eintrag) {
    if (Aufbau.Seite)
        SeitenobjektEntfernen(Eintrag);
    else
        ObjektZerstoeren(Eintrag);
}

// Sets aside the entries whose number is listed again and removes all others; the list is
// empty afterwards.
TBeiseite AlteSortieren(const TAufbau& Aufbau, TObjektreihe& Liste,
                        const std::vector<std::string>& Nummernliste) {
    const TGelistet gelistet(Nummernliste);
    TBeiseite beiseite;
    for (std::unique_ptr<TObjektliste>& e : Liste.AlleHerausnehmen()) {
        if (!gelistet(e->Nummer)) {
            ObjektEntfernen(Aufbau, *e);
            continue;
        }
        if (TSeitenobjekt* objekt = e->Seitenobjekt(); objekt && Aufbau.Seite)
            objekt->BleibtAufSeite();
        beiseite.NachNummer.emplace_back(e->Nummer, beiseite.Reihe.size());
        beiseite.Reihe.push_back(std::move(e));
    }
    std::sort(beiseite.NachNummer.begin(), beiseite.NachNummer.end());
    return beiseite;
}

std::unique_ptr<TObjektliste> Uebernehmen(TBeiseite& Beiseite, int32_t Nr) {
    // The first entry of that number not taken yet.
    auto it = std::lower_bound(Beiseite.NachNummer.begin(), Beiseite.NachNummer.end(),
                               std::pair<int32_t, size_t>(Nr, 0));
    for (; it != Beiseite.NachNummer.end() && it->first == Nr; ++it)
        if (Beiseite.Reihe[it->second]) return std::move(Beiseite.Reihe[it->second]);
    return nullptr;
}

std::unique_ptr<TObjektliste> NeuerEintrag(TTabelle& Objekte, TDatensatz* Satz, int32_t Nr) {
    auto e = std::make_unique<TObjektliste>();
    e->Nummer = Nr;
    e->Typ = static_cast<int16_t>(Objekte.LeseZahl(Satz, Feld::Objekte::ObjektTyp));
    e->Beschreibung = Objekte.LeseText(Satz, Feld::Objekte::Beschreibung);
    return e;
}

// One entry per listed object that has a record; a line that is not a number ends the list.
// A kept object's entry is taken over with its control (and on the page its stacking number)
// and only its type and description are read anew. Answers how many objects were created.
size_t NeueEintraege(const TAufbau& Aufbau, TObjektreihe& Liste,
                     const std::vector<std::string>& Nummernliste, TBeiseite& Beiseite) {
    TTabelle* objekte = Tabelle(ArtObjekte);
    if (!objekte) return 0;
    size_t erzeugt = 0;
    Liste.Reservieren(Nummernliste.size());
    for (const std::string& zeile : Nummernliste) {
        const std::optional<int32_t> nr = Zahlen::NachLeerzeichen(zeile);
        if (!nr) return erzeugt;
        TDatensatz* satz = objekte->Datensatz(*nr);
        if (!satz) continue;
        const auto typ = static_cast<int16_t>(objekte->LeseZahl(satz, Feld::Objekte::ObjektTyp));
        if (!Aufbau.Seite && IstContainer(typ)) continue;
        std::unique_ptr<TObjektliste> e = Uebernehmen(Beiseite, *nr);
        if (e) {
            e->Typ = typ;
            e->Beschreibung = objekte->LeseText(satz, Feld::Objekte::Beschreibung);
            e->Nachgeladen = false;
            if (!Aufbau.Seite) e->Stapelnummer = 0;
        } else {
            e = NeuerEintrag(*objekte, satz, *nr);
            ObjektErzeugen(Aufbau.Fenster, *e, e->Typ, satz, Aufbau.VersatzX, Aufbau.VersatzY,
                           Aufbau.Eltern);
            ++erzeugt;
        }
        Liste.Anhaengen(std::move(e));
    }
    return erzeugt;
}

// Entries set aside but not taken over (their line came after a line that is not a number,
// or their record is gone) would leave a control outside every list: it goes.
void UebrigeEntfernen(const TAufbau& Aufbau, TBeiseite& Beiseite) {
    for (const std::unique_ptr<TObjektliste>& e : Beiseite.Reihe)
        if (e) ObjektEntfernen(Aufbau, *e);
    Beiseite = {};
}

size_t ListeAufbauen(const TAufbau& Aufbau, TObjektreihe& Liste,
                     const std::vector<std::string>& Nummernliste,
                     const std::function<void()>& NachDemAufraeumen) {
    FokusSichern(Aufbau.Fenster);
    TBeiseite beiseite = AlteSortieren(Aufbau, Liste, Nummernliste);
    NachDemAufraeumen();
    const size_t erzeugt = NeueEintraege(Aufbau, Liste, Nummernliste, beiseite);
    UebrigeEntfernen(Aufbau, beiseite);
    return erzeugt;
}

// Visits the entries of the top level that have a control whose parent is `Eltern`.
void KinderDurchlaufen(TObjektliste* Kopf, const QWidget* Eltern,
                       const std::function<void(TObjektliste&, QWidget&, TSeitenobjekt&)>& Tun) {
    ObenDurchlaufen(Kopf, [&](TObjektliste& e) {
        QWidget* w = e.Objekt.data();
        TSeitenobjekt* objekt = e.Seitenobjekt();
        if (w && objekt && w->parentWidget() == Eltern) Tun(e, *w, *objekt);
        return true;
    });
}

void ObenMitTyp(TObjektliste* Kopf, Objekttyp Typ, const std::function<void(TSeitenobjekt&)>& Tun) {
    ObenDurchlaufen(Kopf, [&](TObjektliste& e) {
        if (TSeitenobjekt* objekt = e.Seitenobjekt(); objekt && e.Typ == Typ) Tun(*objekt);
        return true;
    });
}

void MitEffektZeigen(const TObjektliste& Eintrag, QWidget& Objekt, TSeitenobjekt& Seitenobjekt) {
    if (Zahl(Eintrag, Feld::Objekte::Effekt_Anzeigen) != 0)
        Seitenobjekt.ZeigenMitEffekt(true);
    else
        Objekt.show();
}

void AufDerSeiteZeigen(const TObjektliste& Eintrag, QWidget& Objekt, TSeitenobjekt& Seitenobjekt,
                       bool SeiteWirdAusgewertet) {
    switch (static_cast<Objekttyp>(Eintrag.Typ)) {
    case Objekttyp::Text:
    case Objekttyp::Bitmap:
        if (Objekt.isHidden()) MitEffektZeigen(Eintrag, Objekt, Seitenobjekt);
        break;
    case Objekttyp::Label:
    case Objekttyp::PolyLine: MitEffektZeigen(Eintrag, Objekt, Seitenobjekt); break;
    case Objekttyp::Medienplayer:
        if (!Objekt.isHidden()) break;
        Objekt.show();
        Seitenobjekt.Starten();
        break;
    case Objekttyp::RadioButton:
        if (Schalter(Eintrag, Feld::Objekte::Auto_deaktivieren))
            Objekt.setEnabled(SeiteWirdAusgewertet && Schalter(Eintrag, Feld::Objekte::Bewertung));
        Objekt.show();
        break;
    case Objekttyp::SystemLabel:
        Objekt.setVisible(Schalter(Eintrag, Feld::Objekte::Sichtbar));
        break;
    default: Objekt.setVisible(!FuerLernendeUnsichtbar(Eintrag.Typ)); break;
    }
}

void SeiteZeigen(THauptfenster& Fenster) {
    TObjektliste* kopf = Fenster.Objektliste();
    bool auswertung = false;
    ObenDurchlaufen(kopf, [&](TObjektliste& e) {
        auswertung = e.Typ == Objekttyp::Auswertung;
        return !auswertung;
    });
    KinderDurchlaufen(kopf, &Fenster, [&](TObjektliste& e, QWidget& w, TSeitenobjekt& o) {
        AufDerSeiteZeigen(e, w, o, auswertung);
    });
}

void ImContainerZeigen(TObjektliste* Kopf, QWidget* Container) {
    KinderDurchlaufen(Kopf, Container, [](TObjektliste& e, QWidget& w, TSeitenobjekt& o) {
        if (e.Typ == Objekttyp::SystemLabel)
            w.setVisible(Schalter(e, Feld::Objekte::Sichtbar));
        else
            w.setVisible(!ImContainerUnsichtbar(e.Typ));
        if (e.Typ == Objekttyp::Datensatz) o.DatensatzSchreiben();
    });
}

void AlleNachgeladenenVerbergen(TObjektliste* Kopf) {
    ObenDurchlaufen(Kopf, [](TObjektliste& e) {
        if (TSeitenobjekt* objekt = e.Seitenobjekt(); objekt && e.Nachgeladen) objekt->Verbergen();
        return true;
    });
}

void NachgeladenZeigen(const TObjektliste& Eintrag) {
    QWidget* w = Eintrag.Objekt.data();
    TSeitenobjekt* objekt = Eintrag.Seitenobjekt();
    if (!w || !objekt) return;
    if (Eintrag.Typ == Objekttyp::Bitmap || Eintrag.Typ == Objekttyp::PolyLine)
        objekt->ZeigenMitEffekt(true);
    else
        w->show();
    if (Eintrag.Typ == Objekttyp::Datensatz) objekt->DatensatzSchreiben();
    if (Eintrag.Typ == Objekttyp::Medienplayer) objekt->Starten();
}

void Nachladen(THauptfenster& Fenster, int32_t Nr) {
    TTabelle* objekte = Tabelle(ArtObjekte);
    TDatensatz* satz = objekte ? objekte->Datensatz(Nr) : nullptr;
    if (!satz) return;
    std::unique_ptr<TObjektliste> neu = NeuerEintrag(*objekte, satz, Nr);
    neu->Nachgeladen = true;
    TObjektliste& e = Fenster.Objektreihe().Anhaengen(std::move(neu));
    ObjektErzeugen(Fenster, e, e.Typ, satz, 0, 0, &Fenster);
    NachgeladenZeigen(e);
}

} // namespace

void ObjektErzeugen(THauptfenster& Fenster, TObjektliste& Eintrag, int Typ, TDatensatz* Satz,
                    int32_t VersatzX, int32_t VersatzY, QWidget* Eltern) {
    QWidget* w = ObjektFabrik(Typ, Eltern);
    Eintrag.ObjektSetzen(w);
    Eintrag.Stapelnummer = Fenster.NaechsteStapelnummer();
    TSeitenobjekt* objekt = w ? TSeitenobjekt::Von(w) : nullptr;
    if (!objekt) return;
    if (!IstContainer(Typ)) w->hide();
    objekt->FensterSetzen(&Fenster);
    objekt->Tag = Satz->Nr;
    TTabelle* objekte = Tabelle(ArtObjekte);
    if (!objekte) return;
    objekt->AlleFelderUebernehmen(*objekte, Satz);
    if (VersatzX != 0 || VersatzY != 0) w->move(w->x() - VersatzX, w->y() - VersatzY);
    const int32_t aktion = objekte->LeseZahl(Satz, Feld::Objekte::Typ);
    if (aktion == 29 || aktion == 1029) w->setEnabled(Mail::MailVerfuegbar());
}

void ObjektlisteAufbauen(THauptfenster& Fenster, const std::vector<std::string>& Nummernliste,
                         TDatensatz* Seite) {
    const TAufbau aufbau{Fenster, &Fenster, true};
    const size_t erzeugt = ListeAufbauen(aufbau, Fenster.Objektreihe(), Nummernliste,
                                         [&] { Fenster.HintergrundAusSeite(Seite); });
    ObenMitTyp(Fenster.Objektliste(), Objekttyp::Datensatz,
               [](TSeitenobjekt& o) { o.DatensatzSchreiben(); });
    {
        // Many objects appearing at once are painted in one repaint of the whole window
        // afterwards: each one shown would otherwise add its rectangle to the region the
        // window repaints, and each addition costs in proportion to the rectangles already
        // in it. A few new objects keep their own small repaints.
        const TNeuzeichnenGesammelt gesammelt(Fenster, erzeugt >= 16);
        SeiteZeigen(Fenster);
    }
    // Scroll bars fit their range, simulated status lines take the overwrite mode.
    ObenDurchlaufen(Fenster.Objektliste(), [](TObjektliste& e) {
        TSeitenobjekt* o = e.Seitenobjekt();
        if (o && e.Typ == Objekttyp::ScrollBar) o->BereichAnpassen();
        if (o && e.Typ == Objekttyp::SAPStatuszeile) o->UeberschreibmodusUebernehmen();
        return true;
    });
    FensterloseNachUnten(Fenster, Fenster.Objektliste());
    TabulatorfolgeSetzen(Fenster.Objektliste(), Fenster.Fokushalter());
}

void ContainerlisteAufbauen(THauptfenster& Fenster, TObjektreihe& Liste,
                            const std::vector<std::string>& Nummernliste, QWidget* Container,
                            int32_t VersatzX, int32_t VersatzY) {
    const TAufbau aufbau{Fenster, Container, false, VersatzX, VersatzY};
    ListeAufbauen(aufbau, Liste, Nummernliste, [] {});
    ImContainerZeigen(Liste.Kopf(), Container);
    if (Container) FensterloseNachUnten(*Container, Liste.Kopf());
}

void ObjektZeigen(THauptfenster& Fenster, int32_t Nr, bool NachgeladeneVerbergen) {
    if (NachgeladeneVerbergen) AlleNachgeladenenVerbergen(Fenster.Objektliste());
    if (TObjektliste* e = ObjektAufSeite(Fenster.Objektliste(), Nr)) {
        if (QWidget* w = e->Objekt.data()) {
            w->show();
            w->raise();
        }
    } else {
        Nachladen(Fenster, Nr);
    }
    FensterloseNachUnten(Fenster, Fenster.Objektliste());
    Fenster.EreignisAusloesen(Nr, 229);
}

void AlleObjekteEntfernen(THauptfenster& Fenster) {
    Fenster.Fokushalter()->setFocus();
    for (const std::unique_ptr<TObjektliste>& e : Fenster.Objektreihe().AlleHerausnehmen())
        ObjektZerstoeren(*e);
}
