#pragma once
// Role: the scripts of the lesson.

class TScriptdienst {
public:
    virtual ~TScriptdienst() = default;
    // Runs the script an object left pending (the action context's `AnstehendesScript`).
    virtual void AnstehendesScriptAusfuehren() {}
};
