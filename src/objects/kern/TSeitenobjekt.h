#pragma once
// What every page object shares, whatever control it is built on: its object number, the
// window it lives in, the application of the fields of its record, the operations the page
// build calls on every object, and the forwarding of mouse input to the learner window.
// Every page-object class derives from one Qt control (directly or through an intermediate
// class) and from this.

#include <QEvent>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;
class TSeitenfenster;
class TTabelle;
struct TDatensatz;
struct TObjektliste;
class TObjektreihe;

class TSeitenobjekt {
public:
    // Which mouse input an object passes on to the learner window.
    enum class Weiterleitung { Alle, NurDruckenUndLoslassen, Keine };

    explicit TSeitenobjekt(QWidget* Selbst);
    virtual ~TSeitenobjekt();
    TSeitenobjekt(const TSeitenobjekt&) = delete;
    TSeitenobjekt& operator=(const TSeitenobjekt&) = delete;

    QWidget* Steuerelement() const { return Selbst; }
    // The learner window the object lives in: the current one when it was created, unless
    // the page build names its window.
    TSeitenfenster* Fenster() const { return Besitzer; }
    void FensterSetzen(TSeitenfenster* Fenster) { Besitzer = Fenster; }

    // The record number of the object's record, set by the factory.
    int32_t Tag = 0;
    // Field 1201, Windows-1252.
    std::string Beschreibung;
    // `Links`/`Oben` as last applied: where a dragged object returns.
    QPoint Heimat;
    // Set when the page evaluation has judged the object's answer; cleared when the next
    // evaluation starts. Only input objects use it.
    bool Verbraucht = false;

    // Applies one field of the object record; without a record the object's own record
    // (number `Tag` in `Tabelle`) is used, and without that nothing happens.
    void FeldUebernehmen(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
    // Applies the fields 1201 to 1293 in ascending order, the record looked up once.
    void AlleFelderUebernehmen(TTabelle& Tabelle, TDatensatz* Satz);

    // Operations of the page build; classes without them keep these defaults.
    // Shows (true) or hides the object; classes with show and removal effects play them.
    virtual void ZeigenMitEffekt(bool Wert);
    // Hides the object together with what belongs to it (drop shadows).
    virtual void Verbergen();
    // A media player starts when the page shows it.
    virtual void Starten() {}
    // A data-record object writes its record.
    virtual void DatensatzSchreiben() {}
    // An object that shows a data record reads it again (after a recalculation).
    virtual void DatensatzAuffrischen() {}
    // A scroll bar fits its range to the box it scrolls.
    virtual void BereichAnpassen() {}
    // A simulated status line takes over the current overwrite mode.
    virtual void UeberschreibmodusUebernehmen() {}
    // The object is kept for the next page (texts grey themselves then).
    virtual void BleibtAufSeite() {}
    // An object brought to the front takes the objects that belong to it along (the drop
    // shadow of a text).
    virtual void BegleiterHeben() {}
    // Shown as soon as it is created (containers, memo fields), not by the page build.
    virtual bool SofortSichtbar() const { return false; }
    // Painted objects without a window of their own lie under every windowed control.
    virtual bool Fensterlos() const { return false; }
    // A container's own object list; none for every other object.
    virtual TObjektreihe* EigeneObjektliste() { return nullptr; }

    // A clickable object is a Tab stop with a focus mark, and Enter or Space acts on it as a
    // click does (`TastenKlick`).
    virtual bool Anklickbar() const { return false; }
    virtual void TastenKlick() {}

    // The page object behind a control, none for any other widget.
    static TSeitenobjekt* Von(const QWidget* Steuerelement);

    // The published description as Qt text.
    QString BeschreibungText() const;
    void BeschreibungTextSetzen(const QString& Text);

protected:
    // Each class handles the fields of its record here and passes the others on to its
    // base; this one handles 1201, 1205 to 1208 and 1252.
    virtual void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);

    // The mouse input goes first to the control's own handling (unless
    // `EigeneBehandlungZuerst` says no), then to the hooks below, then to the learner window
    // (when `Weiterleiten` says so) with the object's place added to the position.
    Weiterleitung MausWeiterleitung = Weiterleitung::Alle;
    virtual bool Weiterleiten(QEvent::Type Art) const;
    virtual bool EigeneBehandlungZuerst(QEvent::Type) const { return true; }
    // Whether the window hears the input before the hooks below rather than after them.
    virtual bool FensterZuerst(QEvent::Type) const { return false; }
    virtual void MausGedrueckt(QMouseEvent&) {}
    virtual void MausBewegt(QMouseEvent&) {}
    virtual void MausLosgelassen(QMouseEvent&) {}
    virtual void Doppelklick(QMouseEvent&) {}

    // Makes the object a Tab stop (a clickable object that paints itself calls it).
    void TabstoppSetzen(bool Wert);
    // Draws the focus mark while the object holds the focus; called at the end of painting.
    void FokusmarkeZeichnen(QPainter& Maler) const;

private:
    class Mausfilter;
    void MausEreignis(QMouseEvent& Ereignis);
    void Tastenereignis(QKeyEvent& Ereignis);
    void EigeneMausreaktion(QMouseEvent& Ereignis);
    void AnFensterWeiterleiten(const QMouseEvent& Ereignis, QPoint ImFenster);

    QWidget* Selbst;
    TSeitenfenster* Besitzer;
    std::unique_ptr<Mausfilter> Filter;
};

// Keeps the painted page objects of `Liste` among the children of `Eltern` under every
// windowed one, each group in its own order, as the lessons' platform stacks them.
void FensterloseNachUnten(QWidget& Eltern, TObjektliste* Liste);
