#pragma once
// The object factory: the control of a page object for its type code (field 1200).

class QWidget;

// A new control of the class of type code `Typ`, with `Eltern` as parent; none for a code
// without a class. Containers and memo fields come visible, all others as Qt makes them.
QWidget* ObjektFabrik(int Typ, QWidget* Eltern);
