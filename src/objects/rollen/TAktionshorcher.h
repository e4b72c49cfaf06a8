#pragma once
// Role: a listener told of every action request before it is carried out (tests, tracing).

struct TAktionsaufruf;

class TAktionshorcher {
public:
    virtual ~TAktionshorcher() = default;
    virtual void AktionGehoert(const TAktionsaufruf&) {}
};
