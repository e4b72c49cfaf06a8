#include "objects/auswahl/Seitenglossar.h"

#include "objects/auswahl/THListBox.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "store/Begriffe.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Objekttyp.h"

#include <QPlainTextEdit>

#include <algorithm>

namespace {

constexpr uint16_t FeldBegriff = Feld::Begriffe::Begriff;
constexpr uint16_t FeldErklaerung = Feld::Begriffe::Erklaerung;
constexpr int GlossarGewaehlt = 203;

std::string AsciiGross(std::string Text) {
    for (char& z : Text)
        if (z >= 'a' && z <= 'z') z = static_cast<char>(z - 'a' + 'A');
    return Text;
}

// The record whose term equals `Eintrag` with only "a" to "z" raised in both.
TDatensatz* BegriffssatzFinden(TTabelle& Begriffe, const std::string& Eintrag) {
    const std::string gross = AsciiGross(Eintrag);
    for (TDatensatz* satz = Begriffe.Erster(); satz; satz = satz->Naechster)
        if (AsciiGross(Begriffe.LeseText(satz, FeldBegriff)) == gross) return satz;
    return nullptr;
}

// Memos are multi-line edits; the first of the page's own list shows the explanation.
QPlainTextEdit* ErstesMemo(TObjektliste* Kopf) {
    QPlainTextEdit* memo = nullptr;
    ObenDurchlaufen(Kopf, [&](TObjektliste& e) {
        if (e.Typ == Objekttyp::Memo) memo = qobject_cast<QPlainTextEdit*>(e.Objekt);
        return !memo;
    });
    return memo;
}

void ListenVerteilen(TObjektliste* Kopf, const THListBox& Gewaehlt, const QStringList& Verweise) {
    ObenDurchlaufen(Kopf, [&](TObjektliste& e) {
        auto* liste = e.Typ == Objekttyp::ListBox ? qobject_cast<THListBox*>(e.Objekt) : nullptr;
        if (!liste) return true;
        if (liste->Typ == THListBox::Querverweisliste)
            liste->EintraegeSetzen(Verweise);
        else if (liste->Typ == THListBox::Begriffsindex && liste->Tag != Gewaehlt.Tag)
            liste->AuswahlAufheben();
        return true;
    });
}

} // namespace

QStringList Glossarbegriffe() {
    QStringList begriffe;
    TTabelle* tabelle = Tabelle(ArtBegriffe);
    for (TDatensatz* satz = tabelle ? tabelle->Erster() : nullptr; satz; satz = satz->Naechster)
        begriffe << AnsiNachQString(tabelle->LeseText(satz, FeldBegriff));
    return begriffe;
}

QStringList QuerverweiseErmitteln(const std::string& Erklaerung, const std::string& Begriff) {
    const std::string begriffGross = AsciiGross(Begriff);
    QStringList verweise;
    TTabelle* tabelle = Tabelle(ArtBegriffe);
    if (!tabelle) return verweise;
    for (const std::string& wort : WoerterSchneiden(Erklaerung)) {
        if (AsciiGross(wort) == begriffGross) continue;
        TDatensatz* satz = BegriffSuchen(*tabelle, wort);
        const std::string term = satz ? tabelle->LeseText(satz, FeldBegriff) : std::string();
        if (!satz || term == Begriff) continue;
        const QString text = AnsiNachQString(term);
        if (!verweise.contains(text, Qt::CaseInsensitive)) verweise << text;
    }
    std::sort(verweise.begin(), verweise.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return verweise;
}

void SeitenglossarZeigen(THListBox& Liste, const QString& Eintrag) {
    TSeitenfenster* fenster = Liste.Fenster();
    TTabelle* tabelle = Tabelle(ArtBegriffe);
    if (!fenster || !tabelle) return;
    TDatensatz* satz = BegriffssatzFinden(*tabelle, QStringNachAnsi(Eintrag));
    QPlainTextEdit* memo = satz ? ErstesMemo(fenster->Objektliste()) : nullptr;
    if (!memo) return;
    const std::string erklaerung = tabelle->LeseText(satz, FeldErklaerung);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setReadOnly(true);
    memo->setPlainText(
        AnsiNachQString(erklaerung).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    fenster->BegriffGezeigt(tabelle->LeseText(satz, FeldBegriff));
    ListenVerteilen(fenster->Objektliste(), Liste,
                    QuerverweiseErmitteln(erklaerung, fenster->AktuellerBegriffstext()));
    fenster->EreignisAusloesen(0, GlossarGewaehlt);
}
