#include "objects/eingabe/THEingabezeile.h"

#include "objects/eingabe/Eingabedienste.h"
#include "objects/eingabe/Eingabefarbe.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "platform/Schriften.h"
#include "store/Datensaetze.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QPointer>

namespace {

constexpr int Verworfen = 200;
constexpr int Getippt = 201;
constexpr int KeineGrenze = 32767;
constexpr unsigned char Entfernen = 127;

bool Steuerzeichen(unsigned char Code) {
    return Code >= 1 && Code <= 26;
}

} // namespace

THEingabezeile::THEingabezeile(QWidget* Eltern) : QLineEdit(Eltern), TSeitenobjekt(this) {
    EingabefarbeSetzen(*this, Qt::white);
    QFont schrift(QStringLiteral("FixedSys"));
    schrift.setPixelSize(PixelgroesseAusPunkten(9));
    setFont(schrift);
    resize(121, 19);
    setMaxLength(KeineGrenze);
    connect(this, &QLineEdit::textEdited, this, [this] { SchreibweiseAnwenden(); });
}

void THEingabezeile::Ereignis(int Nr) {
    if (TSeitenfenster* fenster = Fenster()) fenster->EreignisAusloesen(Tag, Nr);
}

std::optional<unsigned char> THEingabezeile::GetipptesZeichen(const QKeyEvent& Taste) {
    if (Taste.text().isEmpty()) return std::nullopt;
    const std::string ansi = QStringNachAnsi(Taste.text().left(1));
    const auto code = static_cast<unsigned char>(ansi.empty() ? 0 : ansi[0]);
    if (code == 0 || code == Entfernen) return std::nullopt;
    return code;
}

void THEingabezeile::keyPressEvent(QKeyEvent* Taste) {
    const std::optional<unsigned char> zeichen = GetipptesZeichen(*Taste);
    if (!zeichen) {
        QLineEdit::keyPressEvent(Taste);
        return;
    }
    const QPointer<THEingabezeile> lebt(this);
    const bool erlaubt = ErlaubteZeichen.empty() || Steuerzeichen(*zeichen) ||
                         ErlaubteZeichen.find(static_cast<char>(*zeichen)) != std::string::npos;
    bool behandelt = !erlaubt;
    if (!erlaubt)
        Ereignis(Verworfen);
    else if (!Steuerzeichen(*zeichen))
        behandelt = ZeichenBehandeln(Taste->text().at(0));
    if (!lebt) return;
    // The page hears of the key before the field inserts it, as the learner's platform
    // reports a key before its default handling.
    Ereignis(Getippt);
    if (!lebt) return;
    if (behandelt)
        Taste->accept();
    else
        QLineEdit::keyPressEvent(Taste);
}

void THEingabezeile::SystemwertZeigen(int32_t Nr) {
    setText(AnsiNachQString(Anzeigewert(Nr)));
}

void THEingabezeile::DatensatzZeigen(int32_t Nr) {
    Datensatznummer = Nr;
    if (const auto inhalt = Datensatzinhalt(Nr)) setText(AnsiNachQString(*inhalt));
}

void THEingabezeile::DatensatzAuffrischen() {
    if (Datensatznummer > 0) DatensatzZeigen(Datensatznummer);
}

void THEingabezeile::SchreibweiseAnwenden() {
    const QString jetzt = text();
    const QString neu = Schreibweise == 1   ? jetzt.toUpper()
                        : Schreibweise == 2 ? jetzt.toLower()
                                            : jetzt;
    if (neu == jetzt) return;
    const int stelle = cursorPosition();
    setText(neu);
    setCursorPosition(stelle);
}

void THEingabezeile::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        setAccessibleName(BeschreibungText());
        break;
    case Feld::Objekte::Farbe: EingabefarbeSetzen(*this, FeldFarbe(Tabelle, Satz, FeldId)); break;
    case Feld::Objekte::Text:
        Anfangstext = Tabelle.LeseText(Satz, FeldId);
        setText(AnsiNachQString(Anfangstext));
        break;
    case Feld::Objekte::Gross_Kleinschreibung:
        GrossKleinEgal = Tabelle.LeseSchalter(Satz, FeldId);
        break;
    case Feld::Objekte::CharCase:
        Schreibweise = Tabelle.LeseZahl(Satz, FeldId);
        SchreibweiseAnwenden();
        break;
    case Feld::Objekte::Border: setFrame(Tabelle.LeseText(Satz, FeldId) == "1"); break;
    case Feld::Objekte::ReadOnly: setReadOnly(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::MaxLength: {
        const int32_t grenze = Tabelle.LeseZahl(Satz, FeldId);
        setMaxLength(grenze > 0 ? grenze : KeineGrenze);
        break;
    }
    case Feld::Objekte::Erlaubte_Zeichen: ErlaubteZeichen = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::PasswortZeichen:
        PasswortZeichen = Tabelle.LeseText(Satz, FeldId);
        setEchoMode(PasswortZeichen.empty() ? Normal : Password);
        break;
    case Feld::Objekte::Datensatznummer: DatensatzZeigen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
