#pragma once
// The Tab key visits the page's objects in page order, whatever order their controls were
// made in (objects kept from the page before were made earlier).

class QWidget;
struct TObjektliste;

// Chains every control of the list that takes the focus by Tab, containers' objects
// included, in deep page order, after `Anfang` (the control that holds the focus when a page
// has been built).
void TabulatorfolgeSetzen(TObjektliste* Kopf, QWidget* Anfang = nullptr);
