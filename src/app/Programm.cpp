#include "app/Programm.h"

#include "app/Kommandozeile.h"
#include "app/KopfloserDialogDienst.h"
#include "app/TAutorfenster.h"
#include "app/TStartFenster.h"
#include "evaluation/TOrvelle.h"
#include "platform/Befehle.h"
#include "platform/Ereignisschleife.h"
#include "platform/Protokoll.h"
#include "platform/QtDialogDienst.h"
#include "platform/TFernsteuerung.h"
#include "player/Navigation.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "player/TSpielerstand.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "store/TAnwendungskontext.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <iostream>

namespace fs = std::filesystem;

namespace {

fs::path Programmdatei() {
    std::error_code fehler;
    fs::path exe = fs::read_symlink("/proc/self/exe", fehler);
    return fehler ? fs::path() : exe;
}

void BildschirmPruefen() {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (!schirm) return;
    const QSize groesse = schirm->geometry().size();
    if (groesse.width() < Konfiguration().Breite || groesse.height() < Konfiguration().Hoehe)
        Meldung(35);
}

// Once the first page stands and no effect runs any more, the window's picture is saved
// and the program ends.
void BildschirmfotoVorbereiten(const std::filesystem::path& Datei) {
    THauptfenster* fenster = AktuellesFenster();
    QObject::connect(fenster, &THauptfenster::ErstmalsGezeigt, fenster, [fenster, Datei] {
        QTimer::singleShot(0, fenster, [fenster, Datei] {
            while (fenster->EffektLaeuft() || fenster->SeitenwechselAufgeschoben())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            const bool gut = fenster->grab().save(QString::fromStdString(Datei.string()));
            if (!gut) std::cerr << "vlm: " << Datei.string() << " cannot be written\n";
            ArbeitskopienLoeschen();
            QCoreApplication::exit(gut ? 0 : 1);
        });
    });
}

// Delivers one command to the running player of the lesson; needs no display.
int BefehlZustellen(int argc, char** argv, const TKommandozeile& k, const fs::path& Lektion) {
    QCoreApplication anwendung(argc, argv);
    TFernbefehl befehl;
    befehl.Typ = Sendetyp(k.Sendetyp);
    Sendeargument(k.Sendeargument, befehl.Argument);
    switch (FernbefehlSenden(Fernsteuerungsname(Lektion), befehl)) {
    case Zustellung::Zugestellt: return 0;
    case Zustellung::KeinSpieler:
        std::cerr << "vlm: no Velmora player runs for the lesson " << Lektion.string() << ".\n";
        return 1;
    case Zustellung::KeineAntwort: break;
    }
    std::cerr << "vlm: the Velmora player of the lesson " << Lektion.string()
              << " did not take the command.\n";
    return 1;
}

} // namespace

TStart ProgrammStarten(const fs::path& Lektionsverzeichnis, const std::string& Seite,
                       const fs::path& Startdatei) {
    Rolle<TSpielerstand>().Kommandozeilenseite = Seite;
    auto& orte = Lektionsorte();
    orte = TLektionsorte{};
    // Lessons are installed next to the program; when the learner names a lesson
    // directory, that directory plays the program directory's part for every file the
    // lesson owns (configuration, media).
    orte.Programmverzeichnis = Lektionsverzeichnis;
    orte.Lektionsverzeichnis = Lektionsverzeichnis;
    ProtokollLoeschen();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    TStart start;
    start.Host = new TAutorfenster();

    start.Startfenster = new TStartFenster();
    start.Startfenster->show();
    start.Startfenster->repaint();
    start.Startfenster->StatusSetzen(QStringLiteral("einen Augenblick bitte . . ."));

    KonfigurationLesen();
    BildschirmPruefen();

    QPointer<TStartFenster> startfenster = start.Startfenster;
    LektionOeffnen([startfenster](int Prozent) {
        if (startfenster) startfenster->FortschrittSetzen(Prozent);
    });
    EinstellungenLesen(*Tabelle(ArtKonfiguration));
    HeuteAbgehaktZuruecksetzen();
    if (VELMORA_LERNPLATTFORM)
        Rolle<TOrvelle>().Starten(::Startdatei(Startdatei, Lektionsverzeichnis));
    start.Startfenster->StatusSetzen(QStringLiteral("Das Programm wird gestartet . . ."));

    auto& liste = TFensterliste::Liste();
    liste.Leeren();
    auto* fenster = new THauptfenster();
    liste.Anhaengen(fenster);
    liste.AktuellSetzen(fenster);
    QObject::connect(fenster, &THauptfenster::ErstmalsGezeigt, start.Startfenster, &QWidget::close);

    // The host form's first show comes when the event loop runs.
    QTimer::singleShot(0, start.Host, &TAutorfenster::ErstesZeigen);
    return start;
}

void ProgrammFreigeben() {
    auto& liste = TFensterliste::Liste();
    for (const auto& e : liste.Alle()) {
        e.Fenster->SchliessenErlauben(true);
        delete e.Fenster;
    }
    liste.Leeren();
    delete Hostformular();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TStartFenster*>(w)) delete w;
    LektionSchliessen();
}

int ProgrammAusfuehren(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    const TKommandozeile k = KommandozeileLesen(argumente);
    if (!k.Fehler.empty()) {
        std::cerr << "vlm: " << k.Fehler << "\n" << Hilfetext();
        return 2;
    }
    if (k.Hilfe) {
        std::cout << Hilfetext();
        return 0;
    }
    if (k.Version) {
        std::cout << Versionstext();
        return 0;
    }
    const fs::path lektion = fs::absolute(
        k.Lektionsverzeichnis.empty() ? Programmdatei().parent_path() : k.Lektionsverzeichnis);
    if (k.Senden) return BefehlZustellen(argc, argv, k, lektion);
    if (const std::string fehler = LektionsverzeichnisPruefen(lektion); !fehler.empty()) {
        std::cerr << "vlm: " << fehler << "\n";
        return 2;
    }
    // A write that would pass a file-size limit is reported as an error, not a signal.
    std::signal(SIGXFSZ, SIG_IGN);

    if (!k.Protokolldatei.empty() && !ProtokollOeffnen(k.Protokolldatei)) {
        std::cerr << "vlm: " << k.Protokolldatei << " cannot be written\n";
        return 2;
    }

    EreignisschleifeWaehlen();
    QApplication anwendung(argc, argv);
    QtDialogDienst fensterDialoge;
    KopfloserDialogDienst kopflos; // a headless run has nobody to answer a box
    const bool kopfloserLauf = !k.Bildschirmfoto.empty();
    const DialogDienstEinsatz dialoge(kopfloserLauf ? static_cast<DialogDienst&>(kopflos)
                                                    : fensterDialoge);
    ProgrammStarten(lektion, k.Seite, k.Startdatei);
    const int32_t seite = KommandozeilenSeite(k.Seite);
    if (!k.Bildschirmfoto.empty() && seite > 0 && !Navigation::SeiteVorhanden(seite)) {
        std::cerr << "vlm: the lesson has no page " << seite << "\n";
        ArbeitskopienLoeschen();
        ProgrammFreigeben();
        return 3;
    }
    if (!k.Bildschirmfoto.empty()) BildschirmfotoVorbereiten(k.Bildschirmfoto);
    int status = QApplication::exec();
    // The learning time goes to the learning-management system when the lesson has ended.
    Rolle<TOrvelle>().Beenden();
    ProgrammFreigeben();
    ProtokollSchliessen();
    // The picture is there, but what it shows followed a message nobody read.
    if (status == 0 && kopflos.Nachrichtenanzahl > 0) status = 4;
    return status;
}
