#pragma once
// Role: the one sound player of the program and the host's sound switch. The sound player
// joins the program with the media objects; until then nothing plays and the switch reads
// as on.

#include <filesystem>

class TKlangdienst {
public:
    virtual ~TKlangdienst() = default;
    // Plays a sound file, when the sound switch is on.
    virtual void KlangAbspielen(const std::filesystem::path&) {}
    virtual bool Klangschalter() { return true; }
    // Sets or clears the sound switch; switched on, the sound function buttons of the page
    // show their active look.
    virtual void KlangSchalten(bool /*An*/) {}
    // The host's media player stops, or (opened first when it is not open) starts playing.
    virtual void HostmedienAnhalten() {}
    virtual void HostmedienAbspielen() {}
};
