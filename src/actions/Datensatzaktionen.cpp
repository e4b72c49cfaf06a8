#include "actions/Datensatzaktionen.h"

#include "objects/kern/THXLabel.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "platform/Listenzeilen.h"
#include "store/Datensaetze.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Objekttyp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <optional>

namespace {

constexpr uint16_t Inhaltsfeld = Feld::Daten::Inhalt;

std::string Inhalt(const QStringList& Zeilen) {
    return QStringNachAnsi(Zeilen.join(QStringLiteral("\r\n")));
}

QStringList Eintraege(const QListWidget& Liste) {
    QStringList eintraege;
    for (int i = 0; i < Liste.count(); ++i)
        eintraege << Liste.item(i)->text();
    return eintraege;
}

// How the data-record actions reach the content of one kind of object. A missing function
// means the kind takes no part in that action.
struct TDatenzugriff {
    void (*Zeigen)(QWidget&, const std::string& Inhalt) = nullptr;    // record into object
    std::optional<std::string> (*Lesen)(QWidget&) = nullptr;          // object into record
    void (*Anhaengen)(QWidget&, const QStringList& Zeilen) = nullptr; // record added to list
    void (*Leeren)(QWidget&) = nullptr;
};

template <class T> T* Als(QWidget& w) {
    return qobject_cast<T*>(&w);
}

const TDatenzugriff Eingabefeld{
    [](QWidget& w, const std::string& i) {
        if (auto* e = Als<QLineEdit>(w)) e->setText(AnsiNachQString(i));
    },
    [](QWidget& w) -> std::optional<std::string> {
        if (auto* e = Als<QLineEdit>(w)) return QStringNachAnsi(e->text());
        return std::nullopt;
    },
    nullptr,
    [](QWidget& w) {
        if (auto* e = Als<QLineEdit>(w)) e->clear();
    },
};

const TDatenzugriff Beschriftung{
    [](QWidget& w, const std::string& i) {
        if (auto* x = Als<THXLabel>(w))
            x->BeschriftungSetzen(AnsiNachQString(i));
        else if (auto* l = Als<QLabel>(w))
            l->setText(AnsiNachQString(i));
    },
    [](QWidget& w) -> std::optional<std::string> {
        if (auto* l = Als<QLabel>(w)) return QStringNachAnsi(l->text());
        return std::nullopt;
    },
};

// A system label shows a value of the system: it can be stored, not set.
const TDatenzugriff Systembeschriftung{nullptr, Beschriftung.Lesen};

const TDatenzugriff Kombinationsfeld{
    [](QWidget& w, const std::string& i) {
        if (auto* c = Als<QComboBox>(w)) {
            c->clear();
            c->addItems(Zeilen(i));
        }
    },
    [](QWidget& w) -> std::optional<std::string> {
        if (auto* c = Als<QComboBox>(w)) return QStringNachAnsi(c->currentText());
        return std::nullopt;
    },
    [](QWidget& w, const QStringList& z) {
        if (auto* c = Als<QComboBox>(w)) c->addItems(z);
    },
    [](QWidget& w) {
        if (auto* c = Als<QComboBox>(w)) c->clear();
    },
};

const TDatenzugriff Memo{
    [](QWidget& w, const std::string& i) {
        if (auto* m = Als<QPlainTextEdit>(w)) m->setPlainText(Zeilen(i).join(QLatin1Char('\n')));
    },
    [](QWidget& w) -> std::optional<std::string> {
        if (auto* m = Als<QPlainTextEdit>(w))
            return Inhalt(m->toPlainText().split(QLatin1Char('\n')));
        return std::nullopt;
    },
    nullptr,
    [](QWidget& w) {
        if (auto* m = Als<QPlainTextEdit>(w)) m->clear();
    },
};

const TDatenzugriff Listenfeld{
    [](QWidget& w, const std::string& i) {
        if (auto* l = Als<QListWidget>(w)) {
            l->clear();
            l->addItems(Zeilen(i));
        }
    },
    [](QWidget& w) -> std::optional<std::string> {
        if (auto* l = Als<QListWidget>(w)) return Inhalt(Eintraege(*l));
        return std::nullopt;
    },
    [](QWidget& w, const QStringList& z) {
        auto* l = Als<QListWidget>(w);
        if (!l) return;
        for (const QString& zeile : z)
            if (!Eintraege(*l).contains(zeile)) l->addItem(zeile);
    },
    [](QWidget& w) {
        if (auto* l = Als<QListWidget>(w)) l->clear();
    },
};

// One line per object type that takes part in the data-record actions.
const TDatenzugriff* Zugriff(int Typ) {
    switch (static_cast<Objekttyp>(Typ)) {
    case Objekttyp::Editfeld: return &Eingabefeld;
    case Objekttyp::Label: return &Beschriftung;
    case Objekttyp::ILabel: return &Beschriftung;
    case Objekttyp::SAPComboBox: return &Kombinationsfeld;
    case Objekttyp::SystemLabel: return &Systembeschriftung;
    case Objekttyp::Memo: return &Memo;
    case Objekttyp::ListBox: return &Listenfeld;
    default: return nullptr;
    }
}

struct TZiel {
    QWidget* Objekt = nullptr;
    int Typ = 0;
    const TDatenzugriff* Zugriff = nullptr;
};

TZiel ObjektSuchen(int32_t Nr) {
    TSeitenfenster* fenster = AktuellesSeitenfenster();
    TObjektliste* e = fenster ? ObjektMitNummer(fenster->Objektliste(), Nr) : nullptr;
    if (!e || !e->Objekt) return {};
    return {e->Objekt.data(), e->Typ, Zugriff(e->Typ)};
}

void Ereignis(int32_t Quelle, int Nr) {
    if (TSeitenfenster* fenster = AktuellesSeitenfenster()) fenster->EreignisAusloesen(Quelle, Nr);
}

TTabelle* Daten() {
    return Tabelle(ArtDaten);
}

TDatensatz* DatensatzAnlegen(TTabelle& Tabelle, int32_t Nr) {
    TDatensatz* satz = Tabelle.Datensatz(Nr);
    return satz ? satz : Tabelle.NeuerDatensatz(Nr);
}

// Stores the content, then computed records follow.
void InhaltSpeichern(int32_t Nr, const std::string& Wert) {
    TTabelle* daten = Daten();
    if (!daten) return;
    TDatensatz* satz = DatensatzAnlegen(*daten, Nr);
    daten->SchreibeText(satz, Inhaltsfeld, Wert);
    if (daten->Speichern(satz)) Berechnen(*daten);
}

} // namespace

void DatensatzInObjekt(int32_t Objektnummer, int32_t Datensatznummer) {
    if (Objektnummer <= 0 || Datensatznummer <= 0) return;
    const TZiel ziel = ObjektSuchen(Objektnummer);
    TTabelle* daten = Daten();
    TDatensatz* satz = daten ? daten->Datensatz(Datensatznummer) : nullptr;
    if (satz && ziel.Zugriff && ziel.Zugriff->Zeigen)
        ziel.Zugriff->Zeigen(*ziel.Objekt, daten->LeseText(satz, Inhaltsfeld));
    Ereignis(Objektnummer, 211);
}

void ObjektInDatensatz(int32_t Objektnummer, int32_t Datensatznummer) {
    if (Objektnummer <= 0 || Datensatznummer <= 0) return;
    const TZiel ziel = ObjektSuchen(Objektnummer);
    if (ziel.Zugriff && ziel.Zugriff->Lesen) {
        if (const auto wert = ziel.Zugriff->Lesen(*ziel.Objekt))
            InhaltSpeichern(Datensatznummer, *wert);
    }
    Ereignis(Objektnummer, 212);
}

void AuswahlInDatensatz(int32_t Objektnummer, int32_t Datensatznummer) {
    if (Objektnummer <= 0 || Datensatznummer <= 0) return;
    const TZiel ziel = ObjektSuchen(Objektnummer);
    auto* liste =
        ziel.Typ == Objekttyp::ListBox ? qobject_cast<QListWidget*>(ziel.Objekt) : nullptr;
    TTabelle* daten = Daten();
    if (liste && daten) {
        TDatensatz* satz = DatensatzAnlegen(*daten, Datensatznummer);
        if (liste->count() > 0) {
            QStringList gewaehlt;
            for (int i = 0; i < liste->count(); ++i)
                if (liste->item(i)->isSelected()) gewaehlt << liste->item(i)->text();
            daten->SchreibeText(satz, Inhaltsfeld, Inhalt(gewaehlt));
        }
        if (daten->Speichern(satz)) Berechnen(*daten);
    }
    Ereignis(Objektnummer, 213);
}

void DatensatzInListe(int32_t Objektnummer, int32_t Datensatznummer) {
    if (Objektnummer <= 0 || Datensatznummer <= 0) return;
    const TZiel ziel = ObjektSuchen(Objektnummer);
    TTabelle* daten = Daten();
    TDatensatz* satz = daten ? daten->Datensatz(Datensatznummer) : nullptr;
    if (satz && ziel.Zugriff && ziel.Zugriff->Anhaengen)
        ziel.Zugriff->Anhaengen(*ziel.Objekt, Zeilen(daten->LeseText(satz, Inhaltsfeld)));
    Ereignis(Objektnummer, 210);
}

void ObjektLeeren(int32_t Objektnummer) {
    if (Objektnummer <= 0) return;
    const TZiel ziel = ObjektSuchen(Objektnummer);
    if (ziel.Zugriff && ziel.Zugriff->Leeren) ziel.Zugriff->Leeren(*ziel.Objekt);
    Ereignis(Objektnummer, 214);
}

void AuswahlLoeschen(int32_t Objektnummer) {
    if (Objektnummer <= 0) return;
    const TZiel ziel = ObjektSuchen(Objektnummer);
    auto* liste =
        ziel.Typ == Objekttyp::ListBox ? qobject_cast<QListWidget*>(ziel.Objekt) : nullptr;
    if (!liste) return;
    for (int i = liste->count() - 1; i >= 0; --i)
        if (liste->item(i)->isSelected()) delete liste->takeItem(i);
}
