#include "objects/sap/TF4Werte.h"

#include <algorithm>

void TF4Werte::Fuellen(const QStringList& Text, int32_t Spaltenzahl, int32_t Zeilenzahl,
                       int32_t Aktiv, int32_t Aktiv2) {
    AktivSpalte = Aktiv;
    AktivSpalte2 = Aktiv2;
    Satzspalten = std::max<int32_t>(Spaltenzahl, 0);
    const auto zeilen = static_cast<int64_t>(Text.size());
    if (Spaltenzahl <= 0 || Zeilenzahl <= 0 || zeilen == 0) {
        Spaltenanzahl = Zeilenanzahl = 0;
    } else {
        // Lines beyond rows × columns are ignored; rows and columns no line reaches stay out.
        Zeilenanzahl = static_cast<int>(std::min<int64_t>(Zeilenzahl, zeilen));
        const int64_t erreicht = (zeilen + Zeilenzahl - 1) / Zeilenzahl;
        Spaltenanzahl = static_cast<int>(std::min<int64_t>(Spaltenzahl, erreicht));
    }
    const auto zellen = static_cast<size_t>(Spaltenanzahl) * static_cast<size_t>(Zeilenanzahl);
    Zellen.assign(zellen, QString());
    for (size_t i = 0; i < zellen && i < static_cast<size_t>(zeilen); ++i) {
        // Column by column: line i goes to column i div rows, row i mod rows.
        const auto spalte = static_cast<size_t>(static_cast<int64_t>(i) / Zeilenzahl);
        const auto zeile = static_cast<size_t>(static_cast<int64_t>(i) % Zeilenzahl);
        Zellen[spalte * static_cast<size_t>(Zeilenanzahl) + zeile] =
            Text[static_cast<qsizetype>(i)];
    }
    Links.assign(static_cast<size_t>(Spaltenanzahl), 0);
    Breiten.assign(static_cast<size_t>(Spaltenanzahl), 0);
    int x = 0;
    for (int s = 0; s < Spaltenanzahl; ++s) {
        qsizetype laengste = 0;
        for (int z = 0; z < Zeilenanzahl; ++z)
            laengste = std::max(laengste, Zelltext(z, s).size());
        Links[static_cast<size_t>(s)] = x;
        Breiten[static_cast<size_t>(s)] = Zeichenbreite * static_cast<int>(laengste);
        x += Breiten[static_cast<size_t>(s)] + Spaltenabstand;
    }
    Zeile = Spalte = -1;
    Waehlen(1, 0);
}

QString TF4Werte::Zelltext(int Z, int S) const {
    if (Z < 0 || S < 0 || Z >= Zeilenanzahl || S >= Spaltenanzahl) return {};
    return Zellen[static_cast<size_t>(S) * static_cast<size_t>(Zeilenanzahl) +
                  static_cast<size_t>(Z)];
}

int TF4Werte::Gesamtbreite() const {
    if (Spaltenanzahl == 0) return 0;
    return SpalteLinks(Spaltenanzahl - 1) + Spaltenbreite(Spaltenanzahl - 1);
}

bool TF4Werte::AktiveSpalte(int S) const {
    return S + 1 == AktivSpalte || (AktivSpalte2 > 0 && S + 1 == AktivSpalte2);
}

QString TF4Werte::Wert(int Z, bool Zweite) const {
    const int32_t aktiv = Zweite ? AktivSpalte2 : AktivSpalte;
    // An active column of 0, below 0 or beyond the record's columns has no value.
    if (aktiv < 1 || aktiv > Satzspalten) return {};
    return Zelltext(Z, aktiv - 1);
}

bool TF4Werte::Waehlen(int Z, int S) {
    if (Z < 1 || Z >= Zeilenanzahl || S < 0 || S >= Spaltenanzahl) return false;
    Zeile = Z;
    Spalte = S;
    return true;
}

bool TF4Werte::ZelleBei(int X, int Y, int& Z, int& S) const {
    if (Y < 0 || X < 0) return false;
    const int zeile = Y / Zeilenhoehe + 1;
    if (zeile >= Zeilenanzahl) return false;
    for (int s = 0; s < Spaltenanzahl; ++s) {
        if (X >= SpalteLinks(s) && X <= SpalteLinks(s) + Spaltenbreite(s)) {
            Z = zeile;
            S = s;
            return true;
        }
    }
    return false;
}
