#include "store/Datenlexikon.h"

#include <algorithm>
#include <cctype>

namespace {

// clang-format off
const TFelddefinition FelderSeiten[] = {
    {100, 2, "State"},
    {101, 1, "Titelzeile"},
    {102, 1, "SB OK"},
    {103, 1, "Combobox"},
    {104, 1, "Lernfortschritt"},
    {105, 1, "Icon"},
    {106, 1, ""},
    {107, 1, "Position"},
    {108, 2, "left"},
    {109, 2, "top"},
    {110, 2, "width"},
    {111, 2, "height"},
    {112, 2, "Hintergrundfarbe"},
    {113, 1, "DummyString"},
    {114, 1, "stretch"},
    {115, 2, "GroupIndex"},
    {116, 2, "FokusObjekt"},
    {117, 1, "FeedbackState"},
    {118, 1, "Fenstername"},
    {119, 1, "Popup Men" "\xFC"},
    {120, 1, "DefaultState"},
    {121, 1, "Fl" "\xE4" "che"},
    {122, 1, "X"},
    {123, 1, "Pfadname"},
    {124, 1, "Dateiname"},
    {125, 1, "Dateiname links"},
    {126, 1, "Dateiname oben"},
    {127, 1, "Beschreibung"},
    {128, 1, ""},
    {129, 1, ""},
    {130, 1, ""},
    {131, 1, ""},
    {132, 1, "Lesezeichenvorgabe"},
    {133, 1, "Regieanweisung"},
    {134, 1, ""},
    {135, 1, ""},
    {136, 1, ""},
    {137, 1, ""},
    {138, 1, ""},
    {139, 1, ""},
    {140, 1, ""},
    {141, 1, ""},
    {142, 1, ""},
    {143, 1, ""},
    {144, 1, ""},
    {145, 1, ""},
    {146, 1, ""},
    {147, 1, ""},
    {148, 1, ""},
    {149, 1, ""},
    {150, 1, ""},
    {151, 1, ""},
    {152, 1, ""},
    {153, 1, ""},
    {154, 1, ""},
    {155, 1, ""},
    {156, 1, "Men" "\xFC" "name"},
    {157, 1, "Hauptmen" "\xFC" " sichtbar"},
    {158, 2, "FBNr"},
    {159, 2, "FB_Top"},
    {160, 2, "N" "\xE4" "chsterState"},
    {161, 1, "Objektliste"},
    {162, 2, "VorherigerState"},
    {163, 2, "WiederAufnahmeState"},
    {164, 1, ""},
};

const TFelddefinition FelderObjekte[] = {
    {1200, 2, "ObjektTyp"},
    {1201, 1, "Beschreibung"},
    {1202, 1, "Vorlage"},
    {1203, 1, ""},
    {1204, 1, ""},
    {1205, 2, "Links"},
    {1206, 2, "Oben"},
    {1207, 2, "Breite"},
    {1208, 2, "H" "\xF6" "he"},
    {1209, 2, "Farbe"},
    {1210, 1, "Dateiname"},
    {1211, 2, "TextNr"},
    {1212, 1, "Markiert"},
    {1213, 2, "Randbreite"},
    {1214, 1, "Stringliste"},
    {1215, 1, "Hoehe_anpassen"},
    {1216, 2, "Hoehe_minimal"},
    {1217, 1, "Verschiebbar"},
    {1218, 2, "Ziel"},
    {1219, 1, "Stretch"},
    {1220, 1, "AutoSize"},
    {1221, 1, "Text"},
    {1222, 1, "Transparent"},
    {1223, 1, "Shape"},
    {1224, 1, "Aktiv"},
    {1225, 2, "ZeichnungsTyp"},
    {1226, 1, "Pfeil"},
    {1227, 2, "Stiftfarbe"},
    {1228, 1, "Spitze"},
    {1229, 2, "Stiftbreite"},
    {1230, 1, "Mu" "\xDF" "feld"},
    {1231, 1, "Typ"},
    {1232, 1, "Auswertung"},
    {1233, 2, "TextNr unerwartet"},
    {1234, 2, "TextNr leer"},
    {1235, 1, "Gro" "\xDF" "/Kleinschreibung"},
    {1236, 1, "CharCase"},
    {1237, 1, "Winkel"},
    {1238, 2, "Versuch"},
    {1239, 2, "Versuche leer"},
    {1240, 1, "Textfeld"},
    {1241, 1, "Border"},
    {1242, 1, "Ctl3D"},
    {1243, 1, "ReadOnly"},
    {1244, 1, "F4-Hilfe"},
    {1245, 2, "Schriftfarbe"},
    {1246, 1, "Schriftart"},
    {1247, 2, "Schriftgr" "\xF6" "\xDF" "e"},
    {1248, 1, "Schriftstil"},
    {1249, 2, "GroupIndex"},
    {1250, 2, "MaxLength"},
    {1251, 1, "Bewertung"},
    {1252, 1, "Hilfe"},
    {1253, 2, "F4-FensterNr"},
    {1254, 2, "Zeit"},
    {1255, 2, "Anzahl"},
    {1256, 2, "Objektnummer"},
    {1257, 2, "Radius"},
    {1258, 2, "EreignisNr"},
    {1259, 2, "Anzeige"},
    {1260, 1, "Sichtbar"},
    {1261, 1, "Stringliste1"},
    {1262, 1, "Erlaubte Zeichen"},
    {1263, 1, "ScrollBalken"},
    {1264, 1, "Inhalt"},
    {1265, 1, "PasswortZeichen"},
    {1266, 1, "Ausrichtung"},
    {1267, 1, "Cursor"},
    {1268, 2, "Datensatznummer"},
    {1269, 1, "MehrfachAuswahl"},
    {1270, 2, "Quelle"},
    {1271, 1, "Sortiert"},
    {1272, 1, "EditMaske"},
    {1273, 1, "Pfadname"},
    {1274, 1, "Flat"},
    {1275, 2, "HilfeContext"},
    {1276, 1, "Hilfedatei"},
    {1277, 2, "SmallChange"},
    {1278, 2, "LargeChange"},
    {1279, 2, "Effekt-Anzeigen"},
    {1280, 1, "UeberschreibModus"},
    {1281, 2, "Effekt-Entfernen"},
    {1282, 1, "e-mail"},
    {1283, 1, "Auto-deaktivieren"},
    {1284, 2, "Abstand"},
    {1285, 1, "Fenstername"},
    {1286, 2, "Men" "\xFC" "Nummer"},
    {1287, 2, "Layout"},
    {1288, 1, "Script"},
    {1289, 2, "Aktion"},
    {1290, 2, "Linienart"},
    {1291, 2, "Bildbreite"},
    {1292, 1, "Dokumentname"},
    {1293, 1, "Lexikonfunktion"},
};

const TFelddefinition FelderObjekttypen[] = {
    {1190, 1, "Typname"},
    {1191, 1, ""},
    {1192, 1, ""},
    {1193, 1, ""},
    {1194, 1, ""},
    {1195, 1, ""},
    {1196, 1, ""},
    {1197, 1, ""},
    {1198, 1, ""},
    {1199, 1, ""},
};

const TFelddefinition FelderTexte[] = {
    {1000, 1, "Text"},
    {1001, 1, "Textgruppe"},
};

const TFelddefinition FelderBegriffe[] = {
    {1100, 1, "Begriff"},
    {1101, 1, "Erkl" "\xE4" "rung"},
    {1102, 1, "zus" "\xE4" "tzliche Begriffe"},
};

const TFelddefinition FelderMenues[] = {
    {1600, 1, "Beschreibung"},
    {1601, 1, "Men" "\xFC" "punkte"},
};

const TFelddefinition FelderF4Hilfe[] = {
    {1800, 1, "Beschreibung"},
    {1801, 1, "Text"},
    {1802, 1, "Tasten"},
    {1803, 1, "Caption"},
    {1804, 1, "left"},
    {1805, 1, "top"},
    {1806, 1, "width"},
    {1807, 1, "height"},
    {1808, 1, "Spalten"},
    {1809, 1, "Zeile"},
    {1810, 1, "Aktive Spalte"},
    {1811, 1, "Text Spalte"},
    {1812, 1, "Kopftext"},
    {1813, 2, "Sichtbare Zeilen"},
    {1814, 2, "Aktive Spalte 2"},
    {1815, 2, "Editfeld 2"},
};

const TFelddefinition FelderLesezeichen[] = {
    {1300, 1, "StateNummer"},
    {1301, 1, "Beschreibung"},
    {1302, 1, "Sperrvermerk"},
};

const TFelddefinition FelderAntwortcodes[] = {
    {1500, 1, "Objektnummer"},
    {1501, 1, "Stringliste"},
    {1502, 1, "AnswerCode"},
    {1503, 1, "TextNr"},
    {1504, 1, "Versuche"},
    {1505, 1, "Answercode markiert"},
    {1506, 1, "Answercode nicht markiert"},
};

const TFelddefinition FelderEffekte[] = {
    {1700, 1, "Beschreibung"},
    {1701, 1, "Typ"},
    {1702, 1, "SounddateiName"},
    {1703, 1, "SounddateiPfad"},
    {1704, 2, "Anzeigeart"},
    {1705, 2, "Schrittweite X"},
    {1706, 2, "Schrittweite Y"},
    {1707, 2, "Geschwindigkeit"},
    {1708, 3, "umdrehen"},
    {1709, 3, "Anzeige"},
    {1710, 2, "Schrittweite"},
    {1711, 2, "Wiederholungen"},
    {1712, 2, "Teiler"},
    {1713, 1, ""},
    {1714, 1, ""},
    {1715, 1, ""},
    {1716, 3, "Wegart"},
    {1717, 2, "Geschwindigkeit"},
    {1718, 2, "SchrittweiteX"},
    {1719, 2, "SchrittweiteY"},
    {1720, 3, "ausblenden"},
    {1721, 3, "umdrehen"},
    {1722, 1, "Positionenliste"},
    {1723, 2, "Bilder pro Sekunde"},
    {1724, 1, "PolyLine"},
    {1725, 3, "Anzeige nach StateAufbau"},
    {1726, 1, "Sp" "\xE4" "ter anzeigen"},
    {1727, 1, "Anfangsverz" "\xF6" "gerung"},
    {1728, 1, ""},
    {1729, 2, "Geschwindigkeit"},
    {1730, 2, "Schritte"},
    {1731, 1, ""},
    {1732, 1, "Geschwindigkeit"},
    {1734, 1, ""},
};

const TFelddefinition FelderAufgaben[] = {
    {2400, 1, "State"},
    {2401, 1, "Verfasser"},
    {2402, 1, "ErstellungdDatum"},
    {2403, 1, "ErstellungsZeit"},
    {2404, 1, "AufgabenText"},
    {2405, 1, "Status"},
    {2406, 1, "Bearbeiter"},
    {2407, 1, "ErledigungsDatum"},
    {2408, 1, "ErledigungsZeit"},
    {2409, 1, "Bearbeitungsvermerk"},
    {2410, 1, "Betreff"},
    {2411, 1, "DatensatzNummer"},
};

const TFelddefinition FelderDaten[] = {
    {300, 1, "Beschreibung"},
    {301, 1, "Inhalt"},
    {302, 1, "Wert1"},
    {303, 1, "Operator"},
    {304, 1, "Wert2"},
};

const TFelddefinition FelderLernerdaten[] = {
    {2300, 1, "endg" "\xFC" "ltig abgehakt"},
    {2301, 1, "heute abgehakt"},
    {2302, 1, "DialogfeldEintr" "\xE4" "ge"},
    {2303, 1, "Men" "\xFC" "status"},
};

const TFelddefinition FelderKonfiguration[] = {
    {400, 1, "Beschreibung"},
    {401, 1, "Hauptfenster"},
    {402, 1, "Lernerfenster"},
    {403, 1, "Eigenschaften"},
    {404, 1, "Seitenliste"},
    {405, 1, "Objektliste"},
    {406, 1, "ObjektReihenfolge"},
    {407, 1, "Men" "\xFC" "Editor"},
    {408, 1, "TextFenster"},
    {409, 1, "F4-Hilfe-Editor"},
    {410, 1, "Begriffe"},
    {411, 1, "Navigator"},
    {412, 1, "Effektfenster"},
    {413, 1, "DateiAuswahl"},
    {414, 1, "Scriptfenster"},
    {415, 1, "Soundfenster"},
    {416, 1, "F4Fenster"},
    {417, 1, "Lesezeichen"},
    {418, 1, "Aufgabenfenster"},
    {419, 1, "Datenfenster"},
    {420, 1, "Antwortenfenster"},
    {421, 1, "Importfenster"},
    {422, 1, "Protokollfenster"},
    {423, 1, "Defaultfenster/Text in Meldungsfenster"},
    {424, 1, "Defaultfenster/Schaltfl" "\xE4" "che"},
    {425, 1, "Ereignisfenster"},
    {426, 1, "LesezeichenBearbeiten"},
    {427, 1, "Optionen"},
    {428, 1, "Organisieren"},
    {429, 1, "State Organisieren"},
    {430, 1, "Stringgrid"},
    {431, 1, "Strukturfenster"},
    {432, 1, "Tabellenfenster"},
    {433, 1, "Tastenfenster"},
    {434, 1, "Testfenster"},
    {435, 1, "VerzeichnisAuswahl"},
    {436, 1, "WerteAuswahl"},
    {437, 1, "DebugFenster(intern)"},
    {438, 1, "F4HilfeFenster1"},
    {439, 1, "HTTPFenster"},
    {440, 1, "FTPFenster"},
    {441, 1, "Begriffe Lerner"},
    {442, 1, "Bool"},
    {443, 1, "Integer"},
    {444, 1, "String"},
    {445, 1, "ge" "\xF6" "ffnete Fenster"},
    {446, 1, "ToDo-Liste"},
};
// clang-format on

struct TArt {
    const char* Dateiname;
    const char* Titel;
    std::span<const TFelddefinition> Vorspann;
    std::span<const TFelddefinition> Felder;
};

const std::span<const TFelddefinition> Keine{};

const TArt Arten[] = {
    {"States.tab", "StateTabelle", Keine, FelderSeiten},
    {"Texte.tab", "Texte", Keine, FelderTexte},
    {"Lerner.tab", "Lernerdaten", Keine, FelderLernerdaten},
    {"Begriffe.tab",
     "Begriffserkl"
     "\xE4"
     "rungen",
     Keine, FelderBegriffe},
    {"Objekte.tab", "Objektliste", Keine, FelderObjekte},
    {"Menues.tab",
     "Men"
     "\xFC"
     "s",
     Keine, FelderMenues},
    {"F4Hilfe.tab", "F4-Hilfe", Keine, FelderF4Hilfe},
    {"Leszeich.tab", "Lesezeichen", Keine, FelderLesezeichen},
    {"Lernweg.tab", "", Keine, Keine},
    {"StringJT.tab", "Answercode Objekt", Keine, FelderAntwortcodes},
    {"Animatio.tab", "Effekte/Animationen", Keine, FelderEffekte},
    {"Vlm2.tab", "ConfigTabelle", Keine, FelderKonfiguration},
    {"Version.tab", "Aufgaben", Keine, FelderAufgaben},
    {"Bloecke.tab", "", Keine, Keine},
    {"VLM2.OBJ", "Objektliste", FelderObjekttypen, FelderObjekte},
    {"Daten.tab", "DatenTabelle", Keine, FelderDaten},
    {"Notizen.tab", "Aufgaben", Keine, FelderAufgaben},
    {"Muster.tab", "Objektliste", Keine, FelderObjekte},
    {"States.tmp", "StateTabelle", Keine, FelderSeiten},
    {"Texte.tmp", "Texte", Keine, FelderTexte},
    {"Objekte.tmp", "Objektliste", Keine, FelderObjekte},
    {"StringJT.tmp", "Answercode Objekt", Keine, FelderAntwortcodes},
    {"Menues.tmp",
     "Men"
     "\xFC"
     "s",
     Keine, FelderMenues},
    {"Notizen.tmp", "Aufgaben", Keine, FelderAufgaben},
    {"Animatio.tmp", "Effekte/Animationen", Keine, FelderEffekte},
    {"Begriff1.tmp",
     "Begriffserkl"
     "\xE4"
     "rungen",
     Keine, FelderBegriffe},
    {"Daten.tmp", "DatenTabelle", Keine, FelderDaten},
    {"F4Hilfe.tmp", "F4-Hilfe", Keine, FelderF4Hilfe},
    {"Leszeich.tmp", "Lesezeichen", Keine, FelderLesezeichen},
};

static_assert(std::size(Arten) == HoechsteTabellenart + 1);

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

TTabellenbeschreibung Tabellenbeschreibung(int Art) {
    if (Art < 0 || Art > HoechsteTabellenart) return {"", "", Keine, Keine};
    const TArt& a = Arten[Art];
    return {a.Dateiname, a.Titel, a.Vorspann, a.Felder};
}

int TabellenartVonDateiname(std::string_view Dateiname) {
    for (int Art = 0; Art <= HoechsteTabellenart; ++Art)
        if (GleichOhneGrossKlein(Dateiname, Arten[Art].Dateiname)) return Art;
    return -1;
}
