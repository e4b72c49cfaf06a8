#include "store/Meldungen.h"

#include <algorithm>
#include <iterator>

namespace {

struct TEintrag {
    uint32_t Nr;
    const char* Text;
};

constexpr TEintrag Hinweise[] = {
    {0, "Meldung"},
    {1, "Dieser Knopf wird später mal ins Menü verzweigen"},
    {2, "geklickt"},
    {3, "Tag ist 1"},
    {4, "tag ist 0"},
    {5, "Seite geladen"},
    {6, "Sie haben das Menü angeklickt"},
    {7, "Speedbutton angeklickt"},
    {8, "BitButton angeklickt"},
    {9, "Seite wird verlassen"},
    {10, "Die letzte Seite kann nicht gelöscht werden!"},
    {11, "Export in Datei BEGRIFFE.TXT beendet!"},
    {12, "Die Seitennummer darf nicht kleiner als 1 sein!"},
    {13, "Die erste zu verschiebende Seite kann nicht größer als die letzte sein!"},
    {14, "Ändern Sie doch bitte einfach die entsprechende Seitennummer! oder...?"},
    {15, "Die Seitennummer darf durch das Verschieben nicht kleiner als 1 werden"},
    {16, "Ein Lesezeichen mit dieser Bezeichnung ist bereits vorhanden!"},
    {17, "Dieser Lesezeicheneintrag kann nicht gelöscht werden!"},
    {18, "Diese Farbe kann im Objekt nicht dargestellt werden!"},
    {19, "Der Status der Tabelle ist falsch gesetzt!"},
    {20, "Die Objektnummer darf nicht kleiner als 1 sein !"},
    {21, "Die erste zu verschiebende Objektnummer kann nicht größer als die letzte sein!"},
    {22, "Die Objektnummer darf durch das Verschieben nicht kleiner als 1 werden"},
    {23, "Die Textnummer darf nicht kleiner als 1 sein !"},
    {24, "Die erste zu verschiebende Textnummer kann nicht größer als die letzte sein!"},
    {25, "Die Textnummer darf durch das Verschieben nicht kleiner als 1 werden"},
    {26, "Die Menünummer darf nicht kleiner als 1 sein !"},
    {27, "Die erste zu verschiebende Menünummer kann nicht größer als die letzte sein!"},
    {28, "Die Menünummer darf durch das Verschieben nicht kleiner als 1 werden"},
    {29, "Die Lesezeichennummer darf nicht kleiner als 0 sein !"},
    {30, "Die erste zu verschiebende Lesezeichennummer kann nicht größer als die letzte sein!"},
    {31, "Die Lesezeichennummer darf durch das Verschieben nicht kleiner als 1 werden"},
    {32, "OnActivate"},
    {33, "Fehler in Procedure MainList.GetFensterPointer"},
    {34, "Quellverzeichnis und Zielverzeichnis dürfen nicht identisch sein!"},
    {35, "Die Auflösung Ihres Bildschirms ist kleiner als die für die Lektion erforderlichen 800 x "
         "600 Bildpunkte."},
    {36, "Über den Menüpunkt \"ZURÜCK!\" im Lesezeichenfenster können Sie jederzeit wieder an "
         "diese Stelle im Lernprogramm zurückverzweigen"},
    {37, "Objekte können nur gelöscht werden, wenn die Haltepunkte sichtbar sind!"},
    {38, "Aktion fehlgeschlagen! Wenn Du das reproduzieren kannst, ruf mich bitte an, Brenkmann"},
    {39, "Objekt falsch ausgewählt!"},
    {40, "Wählen Sie bitte zuerst ein objekt aus!"},
    {41, "Das Objekt wird noch verwendet!"},
    {42, "Es wurden nur die nicht verwendeten Objekte gelöscht!"},
    {43, "Es kann jeweils nur eine einzelne Seite gelöscht werden!"},
    {44, "Aktion beendet, wählen Sie bitte den Menüpunkt \"Fenster, aktualisieren!\""},
    {45, "Export in Datei \"Texte.txt\" beendet!"},
    {46, "Texte gelöscht!"},
    {47, "Das letzte Lernerfenster kann in der Autorenumgebung nicht geschlossen werden!"},
    {48, "Import wurde abgebrochen!"},
    {49, "Import erfolgreich durchgeführt!"},
    {50, "Unbekannte Aktionsnummer im Menü! Bitte Programmierer benachrichtigen!"},
    {51, "Die erste Seitennummer ist zu klein, die Aktion wird abgebrochen!"},
    {52, "Die letzte Seitennummer ist zu groß, verringern Sie die Schrittweite!"},
    {53, "Die Schrittweite kann nicht \"0\" sein!"},
    {54, "Die Seiten können nur im Bereich der Seiten zwischen Seitemin und Seitemax verschoben "
         "werden!"},
    {55, "Sortieren Sie die Seitenliste bitte zuerst mit Hilfe des Menüpunktes \"SORTIEREN - "
         "SEITENNUMMER\"!"},
    {56, "Aktion beendet!"},
    {57, "Erste Seite mit Aufgaben erreicht"},
    {58, "Das Objekt kann diesen Effekttyp nicht verarbeiten"},
    {59, "Effekt nicht vorhanden"},
    {60, "Fehler beim Schreiben in die Ausgabedatei"},
    {61, "Es ist kein Objekt ausgewählt"},
    {62, "Weisen Sie dem Objekt bitte zuerst den Effekt zu"},
    {63, "Dieser Effekttyp ist für das markierte Objekt nicht zulässig"},
    {64, "Effektdatensatz nicht gefunden"},
    {65, "Es kann keine Mail-Verbindung aufgebaut werden"},
    {66, "Die Nachricht wurde an den Autor versandt, Vielen Dank"},
    {67, "Fehler beim Kopieren der Datei"},
    {68, "Die Datei kann nicht auf sich selbst kopiert werden"},
    {69, "Die Nachricht wurde versandt, Vielen Dank"},
    {70, "Bei der Übermittlung der Nachricht ist ein Fehler aufgetreten"},
    {71, "Es besteht keine Verbindung zum FTP-Server!"},
    {72, "Beim Abbau der Verbindung ist ein Fehler aufgetreten"},
    {73, "Tragen Sie im Menü EXTRAS, OPTIONEN bitte Ihren Namen und Ihre E-Mail-Adresse ein"},
    {74, "Beim Bearbeiten der Lektion sind mehrere technische Fehler aufgetreten.\n"
         "Senden Sie die anschliessende Nachricht bitte ab, damit wir den Fehler schnellstmöglich "
         "beheben können.\n"
         "Die Ausführung des Programmes wird danach beendet\n"
         "Ihr Velmora-Team"},
    {75, "Geben Sie bitte zuerst den Namen der Lektion im Menüpunkt DATEI, EINSTELLUNGEN ein."},
    {76, "Fehler beim Laden der Daten vom Server, das Programm wird beendet"},
    {77, "Programmierfehler: p in procedure FensterSchliessen ist nil!"},
    {78, "Aufgrund Ihrer Systemeinstellungen können Videos nicht abgespielt werden!\n"
         "Aktivieren Sie in SYSTEMSTEUERUNG/SOFTWARE/WINDOWS-SETUP die Multimedia-Eigenschaften "
         "(Videokomprimierung)\n"
         "und starten Sie das Lernprogramm erneut!"},
    {79, "Aufgrund Windows-Systemeinstellungen ist dieses Programm nicht lauffähig!\n"
         "Installieren Sie bitte in den Netzwerk-Eigenschaften das TCP/IP - Protokoll und starten "
         "Sie das Lernprogramm erneut!"},
    {80, "Die Ausführung des Makros ist abgeschlossen"},
    {81, "Import beendet!"},
    {82, "Objekt wird in ´keiner Seite verwendet!"},
    {83, "Die Seiten- bzw Objektanzeige wurde abgeschaltet"},
    {84, "Fehler beim Exportieren der Daten"},
    {85, "Export in Datei \"Export.txt\" beendet!"},
    {86, "Dieses Fenster kann nicht geschlossen werden."},
    {87, "Dieses Fenster kann maximiert werden."},
    {88, "Dieses Fenster kann minimiert werden."},
    {89, "Update erfolgreich gelden"},
    {90, "Kein Update gefunden"},
    {91, "Es besteht keine Verbindung zum HTTP-Server!"},
    {92, "Ungültiger Wert der Eigenschaft!"},
    {93, "Beenden Sie bitte vorher den anderen Zeichenmodus!"},
    {94, "Aufgrund Ihrer Systemeinstellungen können Sounds nicht abgespielt werden,\n"
         "die Soundausgabe in diesem Lernprogramm wird abgeschaltet!"},
    {95, "Import aus Datei BEGRIFFE.TXT beendet"},
    {96, "Import aus Datei TEXTE.TXT beendet"},
    {97, "Als Eingabe sind nur Zahlen erlabt, die Aktion wird abgebrochen."},
    {98, "Eine Bildschirmseite mit dieser Nummer ist in der Datenbank nicht vorhanden."},
    {99, "Diese Funktionalität ist nur verfügbar, wenn Sie beim Start des Lernprogramms Verbindung "
         "zum Intranet haben."},
    {100, "Export in Datei EXPORT.XML beendet."},
    {101, "Die Seite kann nicht gelöscht werden, da noch unerledigte Notizen dazu existieren"},
    {102, "Reorganisieren abgeschlossen, starten Sie Vlm bitte neu!"},
    {103, "Es können nur 10 Menüebenen dargestellt werden"},
    {104, "Aktion beedet"},
    {105, "Objekt in der Bildschirmseite nicht vorhanden"},
    {106, "Letzte Bildschirmseite erreicht"},
};

constexpr TEintrag Bestaetigungen[] = {
    {1, "Möchten Sie das Lesezeichen wirklich löschen?"},
    {2, "Soll der Eintrag \"TEXTGRUPPE\" freibleiben?"},
    {3, "Soll das Menü wirklich gelöscht werden?"},
    {5, "Soll die Änderung wirklich durchgeführt werden?"},
    {6, "Soll der Block wirklich gelöscht werden?"},
    {7, "Sollen die Objekte wirklich gelöscht werden?"},
    {8, "Soll das Lernprogramm wirklich beendet werden?"},
    {9, "Die Tabelle wurde geändert. Soll gespeichert werden?"},
    {10, "Der Text wurde geändert. Soll gespeichert werden?"},
    {11, "Soll der Text wirklich gelöscht werden?"},
    {12, "Soll die Seite wirklich gelöscht werden?"},
    {13, "Soll der vorhandene Datensatz überschrieben werden?"},
    {14, "Mit dieser Funktion werden alle Editfelder in der Datenbank um 2 Pixel verbreitert. "
         "Durchführen?"},
    {15, "Mit dieser Funktion werden alle HintergrundBitmaps der Seiten an die position 5,71 "
         "gesetzt. Durchführen?"},
    {16, "Sollen wirklich alle Texte aus der Textliste gelöscht werden?"},
    {17, "Sollen wirklich alle markierten Seiten aus der Datenbank gelöscht werden?"},
    {18, "Soll der Datensatz wirklich gelöscht werden?"},
    {19, "Ende der Objektliste. Soll die Fehlersuche neu begonnen werden?"},
    {20, "Soll die Notiz wirklich gelöscht werden?"},
    {21, "Soll die Datei wirklich gelöscht werden?"},
    {22, "Soll die e-mail wirklich versandt werden?\n"
         "\n"
         "(Diese Frage kommt nur im Autorenmodus!)"},
    {23, "Das Programm hat auf Ihrer Festplatte im temporären Verzeichnis von Windows Dateien \n"
         "zwischengespeichert, die verwendet werden können, wenn Sie das Programm das\n"
         "nächste Mal aufrufen.\n"
         "\n"
         "Sollen diese Dateien gelöscht werden ?"},
    {24, "Soll das Makro gestartet werden?"},
    {25, "Mit dieser Funktion werden alle SAP-Buttons in der Datenbank in Speedbuttons geändert. "
         "Durchführen?"},
    {26, "Durch das Neuzeichnen wird die vorhandene Linie gelöscht. \n"
         "Klicken Sie \"Ja\", um fortzufahren bzw.\"Nein\" um die Aktion abzubrechen"},
    {27, "Soll die Linie wirklich gelöscht werden?"},
    {28, "Mit dieser Funktion werden alle Objekte verschoben. Durchführen?"},
    {29, "Soll der Eintrag wirklich gelöscht werden?"},
    {30, "Wollen Sie den Bearbeitungsstand wirklich zurücksetzen ?"},
};

constexpr TEintrag Fehlermeldungen[] = {
    {1, "Geben Sie bitte eine gültige Seitennummer ein!"},
    {2, "Objekt nicht gefunden!"},
    {3, "Objekt ist bereits vorhanden!"},
    {4, "Objekt ist bereits vorhanden!"},
    {5, "Eine Seite mit dieser Nummer ist bereits vorhanden!\n"
        "Datensatz wird nicht gespeichert"},
    {6, "Begriff nicht gefunden!"},
    {7, "Seite ist nicht vorhanden!"},
    {8, "Datensatz nicht gefunden"},
    {9, "Fehler beim Löschen eines Objektes!"},
    {10, "Das Objekt kann nicht gelöscht werden, da es noch den Focus hat!"},
    {11, "Fehler beim Erstellen einer neuen Bildschirmseite!"},
    {12, "Fehler beim Erstellen eines neuen Objektes!"},
    {13, "Fehler beim Erstellen eines neuen Textes!"},
    {14, "SystemLabel: Eigenschaft ANZEIGE und DATENSATZNUMMER <> 0;"},
};

constexpr TEintrag Startfehlertexte[] = {
    {0, "The operating system is out of memory or resources."},
    {2, "Datei nicht gefunden."},
    {3, "Pfad nicht gefunden."},
    {5, "Windows verhindert den Zugriff auf die Datei."},
    {8, "Nicht genug Speicher vorhanden."},
    {11, "Die .EXE datei is ungültig (non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred."},
    {27, "Die verknüpfte Anwendung ist nicht vollständig oder fehlerhaft."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not be completed because other DDE transactions were being "
         "processed."},
    {31, "Es ist keine Anwendung mit der Datei-erweiterung verknüpft."},
    {32, "Eine dynamic-link library wurde nicht gefunden."},
};

template <size_t N>
std::string Nachschlagen(const TEintrag (&Tabelle)[N], int64_t Nr, const char* Sonst) {
    const auto* e = std::find_if(std::begin(Tabelle), std::end(Tabelle),
                                 [Nr](const TEintrag& x) { return x.Nr == Nr; });
    return e == std::end(Tabelle) ? Sonst : e->Text;
}

} // namespace

std::string Meldungstext(int Nr) {
    return Nachschlagen(Hinweise, Nr, "undefinierter Hinweis");
}

std::string Bestaetigungstext(int Nr) {
    return Nachschlagen(Bestaetigungen, Nr, "Programmierfehler");
}

std::string Fehlermeldungstext(int Nr) {
    return Nachschlagen(Fehlermeldungen, Nr, "Allgemeiner Fehler");
}

std::string Startfehlertext(uint32_t Code) {
    return Nachschlagen(Startfehlertexte, Code, "Allgemeiner Fehler");
}

Knopf Meldung(int Nr) {
    return Dialoge().Nachricht(Symbol::Information, MeldungTitel, Meldungstext(Nr), KnopfOK,
                               KnopfOK);
}

bool Bestaetigung(int Nr) {
    return Dialoge().Nachricht(Symbol::Frage, BestaetigungTitel, Bestaetigungstext(Nr),
                               KnopfJa | KnopfNein, KnopfNein) == KnopfJa;
}

Knopf Fehlermeldung(int Nr) {
    return Dialoge().Nachricht(Symbol::Fehler, FehlermeldungTitel, Fehlermeldungstext(Nr), KnopfOK,
                               KnopfOK);
}

Knopf Startfehler(uint32_t Code) {
    return Dialoge().Nachricht(Symbol::Fehler, StartfehlerTitel, Startfehlertext(Code), KnopfOK,
                               KnopfOK);
}
