#pragma once
// The values of an F4 value-help window: the lines of the record's text filled into a grid
// column by column (row 0 is the header row), the width of every column, the active columns
// whose values a row returns, and the selected cell. Only the rows and columns that the
// lines reach are laid out, so huge counts in a record cost nothing.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class TF4Werte {
public:
    static constexpr int Zeichenbreite = 8; // pixels per character of the value font
    static constexpr int Spaltenabstand = 5;
    static constexpr int Zeilenhoehe = 16;

    // Fills the grid of `Spaltenzahl` columns and `Zeilenzahl` rows (as the record gives
    // them) from `Zeilen`; the first value row is selected when there is one.
    void Fuellen(const QStringList& Zeilen, int32_t Spaltenzahl, int32_t Zeilenzahl, int32_t Aktiv,
                 int32_t Aktiv2);

    int Zeilen() const { return Zeilenanzahl; }
    int Spalten() const { return Spaltenanzahl; }
    int Wertezeilen() const { return Zeilenanzahl > 1 ? Zeilenanzahl - 1 : 0; }
    // The text of cell (`Zeile`, `Spalte`), both from 0; empty outside the grid.
    QString Zelltext(int Zeile, int Spalte) const;
    // Left edge and width of column `Spalte` (from 0), the first at 0.
    int SpalteLinks(int Spalte) const { return Links[static_cast<size_t>(Spalte)]; }
    int Spaltenbreite(int Spalte) const { return Breiten[static_cast<size_t>(Spalte)]; }
    int Gesamtbreite() const;
    // Whether column `Spalte` (from 0) is one of the active columns.
    bool AktiveSpalte(int Spalte) const;

    // The value of the active (`Zweite`: second active) column in row `Zeile`; empty when
    // the column lies outside the record's columns.
    QString Wert(int Zeile, bool Zweite) const;

    // The selected cell; row -1 while nothing is selected.
    int GewaehlteZeile() const { return Zeile; }
    int GewaehlteSpalte() const { return Spalte; }
    // Selects a cell of a value row (rows from 1); false outside the value rows.
    bool Waehlen(int Zeile, int Spalte);
    // The cell of the value area (rows from 1) at `X`, `Y` (relative to the first value
    // row), bounds included; false where there is none.
    bool ZelleBei(int X, int Y, int& Zeile, int& Spalte) const;

private:
    int Spaltenanzahl = 0;
    int Zeilenanzahl = 0;
    int32_t AktivSpalte = 0;
    int32_t AktivSpalte2 = 0;
    int32_t Satzspalten = 0;     // columns as the record counts them
    std::vector<QString> Zellen; // column by column
    std::vector<int> Links;
    std::vector<int> Breiten;
    int Zeile = -1;
    int Spalte = -1;
};
