#include "platform/QtDialogDienst.h"

#include "platform/TDefaultFenster.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

struct TKnopfart {
    Knopf Art;
    const char* Text;
    QMessageBox::ButtonRole Rolle;
};

constexpr TKnopfart Knopfarten[] = {
    {KnopfJa, "Ja", QMessageBox::YesRole},
    {KnopfNein, "Nein", QMessageBox::NoRole},
    {KnopfOK, "OK", QMessageBox::AcceptRole},
    {KnopfAbbrechen, "Abbrechen", QMessageBox::RejectRole},
    {KnopfAlle, "Alle", QMessageBox::ActionRole},
};

QMessageBox::Icon Bild(Symbol Art) {
    switch (Art) {
    case Symbol::Information: return QMessageBox::Information;
    case Symbol::Warnung: return QMessageBox::Warning;
    case Symbol::Fehler: return QMessageBox::Critical;
    case Symbol::Frage: return QMessageBox::Question;
    case Symbol::Keins: break;
    }
    return QMessageBox::NoIcon;
}

QString Fenstertitel(const std::string& Titel) {
    return Titel.empty() ? QGuiApplication::applicationDisplayName() : QString::fromUtf8(Titel);
}

// Escape and the close box give the answer that changes least: cancel, else no, else OK.
Knopf Fluchtknopf(unsigned Knoepfe) {
    for (const Knopf k : {KnopfAbbrechen, KnopfNein, KnopfOK})
        if (Knoepfe & k) return k;
    return KnopfKeiner;
}

// A box shown while the wait cursor is on still gets the ordinary arrow.
class PfeilWaehrendDesDialogs {
public:
    PfeilWaehrendDesDialogs() : Aktiv(QGuiApplication::overrideCursor() != nullptr) {
        if (Aktiv) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~PfeilWaehrendDesDialogs() {
        if (Aktiv) QGuiApplication::restoreOverrideCursor();
    }
    PfeilWaehrendDesDialogs(const PfeilWaehrendDesDialogs&) = delete;
    PfeilWaehrendDesDialogs& operator=(const PfeilWaehrendDesDialogs&) = delete;

private:
    bool Aktiv;
};

} // namespace

Knopf QtDialogDienst::Nachricht(Symbol Art, const std::string& Titel, const std::string& Text,
                                unsigned Knoepfe, Knopf Vorgabe) {
    if (!(Knoepfe & (KnopfJa | KnopfNein | KnopfOK | KnopfAbbrechen | KnopfAlle)))
        Knoepfe = KnopfOK;
    QMessageBox box(Bild(Art), Fenstertitel(Titel), QString::fromUtf8(Text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // lesson and file texts are never markup
    box.setWindowModality(Qt::ApplicationModal);
    std::map<QAbstractButton*, Knopf> knoepfe;
    const Knopf flucht = Fluchtknopf(Knoepfe);
    for (const TKnopfart& k : Knopfarten) {
        if (!(Knoepfe & k.Art)) continue;
        QPushButton* b = box.addButton(QString::fromUtf8(k.Text), k.Rolle);
        knoepfe[b] = k.Art;
        if (k.Art == Vorgabe) box.setDefaultButton(b);
        if (k.Art == flucht) box.setEscapeButton(b);
    }
    PfeilWaehrendDesDialogs pfeil;
    box.exec();
    const auto gewaehlt = knoepfe.find(box.clickedButton());
    return gewaehlt != knoepfe.end() ? gewaehlt->second : flucht;
}

bool QtDialogDienst::Eingabe(const std::string& Titel, const std::string& Aufforderung,
                             std::string& Wert) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(Fenstertitel(Titel));
    dialog.setLabelText(QString::fromUtf8(Aufforderung));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString::fromUtf8(Wert));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    dialog.setWindowModality(Qt::ApplicationModal);
    PfeilWaehrendDesDialogs pfeil;
    if (dialog.exec() != QDialog::Accepted) return false;
    Wert = dialog.textValue().toUtf8().toStdString();
    return true;
}

void QtDialogDienst::Meldungsfenster(const std::string& Text) {
    TDefaultFenster fenster(QString::fromUtf8(Text), QApplication::activeWindow());
    PfeilWaehrendDesDialogs pfeil;
    fenster.exec();
}

void QtDialogDienst::WarteCursor(bool An) {
    if (An) {
        ++WarteCursorTiefe;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (WarteCursorTiefe > 0) {
        --WarteCursorTiefe;
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtDialogDienst::SofortBeenden(int Status) {
    std::fflush(nullptr);
    std::exit(Status);
}
