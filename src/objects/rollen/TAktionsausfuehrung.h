#pragma once
// Role: what carries out the object actions. The objects only request them
// (`AktionAnfordern`); the actions library above the objects carries them out. Until it is
// installed a request only hands over its parameters.

struct TAktionsaufruf;

class TAktionsausfuehrung {
public:
    virtual ~TAktionsausfuehrung() = default;
    virtual void AktionAusfuehren(const TAktionsaufruf&) {}
};
