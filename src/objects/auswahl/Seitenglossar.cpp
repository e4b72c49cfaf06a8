#include "objects/auswahl/Seitenglossar.h"

#include "objects/TObjektliste.h"
#include "objects/TSeitenfenster.h"
#include "objects/auswahl/Auswahlumgebung.h"
#include "objects/auswahl/THListBox.h"
#include "platform/AnsiText.h"
#include "store/Begriffe.h"
#include "store/Lektion.h"

#include <QPlainTextEdit>

#include <algorithm>

namespace {

constexpr uint16_t FeldBegriff = 1100;
constexpr uint16_t FeldErklaerung = 1101;
constexpr int16_t TypMemo = 47;
constexpr int16_t TypListe = 49;
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
        if (e.Typ == TypMemo) memo = qobject_cast<QPlainTextEdit*>(e.Objekt);
        return !memo;
    });
    return memo;
}

void ListenVerteilen(TObjektliste* Kopf, const THListBox& Gewaehlt, const QStringList& Verweise) {
    ObenDurchlaufen(Kopf, [&](TObjektliste& e) {
        auto* liste = e.Typ == TypListe ? qobject_cast<THListBox*>(e.Objekt) : nullptr;
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
    const std::string begriff = tabelle->LeseText(satz, FeldBegriff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setReadOnly(true);
    memo->setPlainText(
        AnsiNachQString(erklaerung).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    AktuellenBegriffstextSetzen(*fenster, begriff);
    ListenVerteilen(fenster->Objektliste(), Liste,
                    QuerverweiseErmitteln(erklaerung, AktuellerBegriffstext(*fenster)));
    fenster->EreignisAusloesen(0, GlossarGewaehlt);
}
