#include "actions/Mailaktion.h"

#include "mail/Mailzugang.h"
#include "mail/TMailClient.h"
#include "objects/eingabe/THMaskEdit.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TAktionskontext.h"
#include "platform/AnsiText.h"
#include "store/Config.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "store/Objekttyp.h"
#include "store/TAnwendungskontext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <optional>

namespace {

std::string Utf8(const QString& Text) {
    return Text.toUtf8().toStdString();
}

std::filesystem::path Lektionsdatei(const char* Name) {
    const TLektionsorte& orte = Lektionsorte();
    return LektionsdateiFinden(
        orte.SchreibgeschuetzteLektion ? orte.Arbeitsverzeichnis : orte.Lektionsverzeichnis, Name);
}

bool Angekreuzt(const QWidget* w) {
    const auto* knopf = qobject_cast<const QAbstractButton*>(w);
    return knopf && knopf->isChecked();
}

// The answer of one object after its description and " : ", none for objects that give none.
std::optional<QString> Antwort(const TObjektliste& e) {
    QWidget* w = e.Objekt.data();
    switch (static_cast<Objekttyp>(e.Typ)) {
    case Objekttyp::MaskEdit:
        if (auto* maske = qobject_cast<THMaskEdit*>(w)) return maske->Wert();
        [[fallthrough]];
    case Objekttyp::Editfeld:
        if (auto* feld = qobject_cast<QLineEdit*>(w)) return feld->text();
        break;
    case Objekttyp::SAPComboBox:
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        break;
    case Objekttyp::CheckBox:
    case Objekttyp::RadioButton: return Angekreuzt(w) ? QStringLiteral("X") : QString();
    case Objekttyp::SystemLabel:
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        break;
    case Objekttyp::Memo:
        if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
        break;
    case Objekttyp::ListBox:
        if (auto* l = qobject_cast<QListWidget*>(w)) {
            QString auswahl;
            for (int i = 0; i < l->count(); ++i)
                if (l->item(i)->isSelected()) auswahl += l->item(i)->text() + QStringLiteral(", ");
            return auswahl;
        }
        break;
    default: break;
    }
    return std::nullopt;
}

} // namespace

TAntworten AntwortenSammeln(TObjektliste* Kopf) {
    TAntworten antworten;
    antworten.Zeilen.push_back("||Feedback||");
    TiefDurchlaufen(Kopf, [&](TObjektliste& e) {
        const QString beschreibung = AnsiNachQString(e.Beschreibung);
        if (e.Typ == Objekttyp::CheckBox &&
            beschreibung.compare(QLatin1String("NOTIZDATEI"), Qt::CaseInsensitive) == 0) {
            if (Angekreuzt(e.Objekt)) antworten.Anlagen.push_back(Lektionsdatei("Notizen.tab"));
        } else if (e.Typ == Objekttyp::CheckBox &&
                   beschreibung.compare(QLatin1String("LERNERDATEI"), Qt::CaseInsensitive) == 0) {
            if (Angekreuzt(e.Objekt)) antworten.Anlagen.push_back(Lektionsdatei("Lerner.tab"));
        } else if (const auto antwort = Antwort(e)) {
            antworten.Zeilen.push_back(Utf8(beschreibung + QStringLiteral(" : ") + *antwort));
        }
        return true;
    });
    return antworten;
}

void AntwortenSenden() {
    TSeitenfenster* fenster = AktuellesSeitenfenster();
    TMailClient* client = Mail::Mailclient();
    const TAktionskontext& kontext = Rolle<TAktionskontext>();
    if (kontext.Email.empty() || !client || !client->Verbinden()) {
        Meldung(70);
        return;
    }
    TAntworten antworten = AntwortenSammeln(fenster ? fenster->Objektliste() : nullptr);
    TMailNachricht nachricht;
    nachricht.Empfaenger = {Utf8(AnsiNachQString(kontext.Email))};
    nachricht.AbsenderAdresse = Utf8(AnsiNachQString(Konfiguration().EMailAdresse));
    nachricht.Betreff = Utf8(AnsiNachQString(kontext.Beschreibung));
    nachricht.Textzeilen = std::move(antworten.Zeilen);
    nachricht.Anlagen = std::move(antworten.Anlagen);
    nachricht.Mailprogramm = "Velmora";
    const bool gesendet = client->Senden(nachricht);
    client->Trennen();
    // The sending object disables itself afterwards: a learner whose answers did not go
    // must be told so.
    if (!gesendet) {
        Meldung(70);
        return;
    }
    Meldung(69);
    if ((fenster = AktuellesSeitenfenster())) fenster->EreignisAusloesen(0, 226);
}
