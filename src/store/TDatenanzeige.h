#pragma once
// Role: what shows data records on the current page refreshes after the formula records
// were recomputed. Nothing shows them until the objects that do are installed.

class TDatenanzeige {
public:
    virtual ~TDatenanzeige() = default;
    virtual void Auffrischen() {}
};
