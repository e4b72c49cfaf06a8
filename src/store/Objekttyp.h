#pragma once
// The type codes of the object table's field ObjektTyp, named after the class each creates.
// Codes without a class (0, 2, 3, 10, 14, 19 to 25, 39, above 68) have no name: they
// create nothing. Object list entries keep the code as a plain int, so the comparisons
// below let an int meet a name without casts.

#include <cstdint>

enum class Objekttyp : int {
    Text = 1,
    Verzweigung = 4,
    Bitmap = 5,
    Editfeld = 6,
    Label = 7,
    Medienplayer = 8,
    Shape = 9,
    NavWeiter = 11,
    ILabel = 12,
    PaintBox = 13,
    NavZurueck = 15,
    NavLesezeichen = 16,
    Begriffe = 17,
    Lernfortschritt = 18,
    SAPButton = 26,
    SAPComboBox = 27,
    SAPDynMenu = 28,
    Bevel = 29,
    CheckBox = 30,
    RadioButton = 31,
    SpeedButton = 32,
    SAPSpeedButton = 33,
    SAPStatuszeile = 34,
    Auswertung = 35,
    BmpTransparent = 36,
    MouseSensitive = 37,
    Timer = 38,
    Sound = 40,
    HyperSensitive = 41,
    Schatten = 42,
    Message = 43,
    StringAuswertung = 44,
    SystemLabel = 45,
    ScrollBox = 46,
    Memo = 47,
    Programm = 48,
    ListBox = 49,
    MaskEdit = 50,
    Dialog = 51,
    ScrollBar = 52,
    ZielBereich = 53,
    SB_Editfeld = 54,
    Datensatz = 55,
    Menue = 56,
    Fenster = 57,
    SetZiel = 58,
    Funktion = 59,
    Schaltflaeche = 60,
    Baum = 61,
    FunktionsSchaltflaeche = 62,
    BmpCheckBox = 63,
    PolyLine = 64,
    Abhaken = 65,
    RLabel = 66,
    MPLabel = 67,
    StringGrid = 68,
};

constexpr int Typcode(Objekttyp Typ) {
    return static_cast<int>(Typ);
}

// Also gives int == Objekttyp and both != forms.
constexpr bool operator==(int Typ, Objekttyp Name) {
    return Typ == Typcode(Name);
}

// The types the learner never sees on a page: evaluation, timer, sound, event, text
// evaluation, program, page chooser, data record and window-target objects. They do not
// take part in the stacking order either.
constexpr bool FuerLernendeUnsichtbar(int Typ) {
    switch (static_cast<Objekttyp>(Typ)) {
    case Objekttyp::Auswertung:
    case Objekttyp::Timer:
    case Objekttyp::Sound:
    case Objekttyp::Message:
    case Objekttyp::StringAuswertung:
    case Objekttyp::Programm:
    case Objekttyp::Dialog:
    case Objekttyp::Datensatz:
    case Objekttyp::SetZiel: return true;
    default: return false;
    }
}

// The input objects an evaluation marks as judged (consumed); every page evaluation clears
// the mark again. The list box keeps its mark from one evaluation to the next.
constexpr bool Verbrauchbar(int Typ) {
    switch (static_cast<Objekttyp>(Typ)) {
    case Objekttyp::Editfeld:
    case Objekttyp::SAPComboBox:
    case Objekttyp::CheckBox:
    case Objekttyp::RadioButton:
    case Objekttyp::MouseSensitive:
    case Objekttyp::SystemLabel:
    case Objekttyp::Memo:
    case Objekttyp::ZielBereich: return true;
    default: return false;
    }
}

// Inside a container the objects that act on the page or the window as a whole (program,
// page chooser, data record, window target) are shown; the other invisible types stay hidden.
constexpr bool ImContainerUnsichtbar(int Typ) {
    return FuerLernendeUnsichtbar(Typ) && Typ != Objekttyp::Programm && Typ != Objekttyp::Dialog &&
           Typ != Objekttyp::Datensatz && Typ != Objekttyp::SetZiel;
}
