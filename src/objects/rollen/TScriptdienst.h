#pragma once
// Role: the scripts of the lesson.

#include <string>

class TScriptdienst {
public:
    virtual ~TScriptdienst() = default;
    // Runs script `Dateiname` of the lesson (only its file-name part counts) against the
    // current learner window; the pending script name is cleared when it ends.
    virtual void ScriptAusfuehren(const std::string& /*Dateiname*/) {}
    // Runs the script an object left pending (the action context's `AnstehendesScript`).
    virtual void AnstehendesScriptAusfuehren() {}
};
