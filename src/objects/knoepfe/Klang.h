#pragma once
// Sound for the buttons: the click effect of a button, and what the sound function buttons
// ask of the host's sound player, through the role `TKlangdienst`.

#include <cstdint>
#include <filesystem>

// Plays a sound file through the one sound player, when the sound switch is on.
void KlangAbspielen(const std::filesystem::path& Datei);
// The host's sound switch.
bool Klangschalter();
// The host's media player stops, or (opened first when it is not open) starts playing.
void HostmedienAnhalten();
void HostmedienAbspielen();

// The sound file a click effect plays: the lesson directory + `SounddateiPfad` (1703) +
// `SounddateiName` (1702) of effect record `Effektnummer` when its `Typ` (1701) is 1;
// empty for every other record and for a number without record.
std::filesystem::path Klickeffektdatei(int32_t Effektnummer);
// Plays the click effect `Effektnummer`; 0 plays nothing.
void KlickeffektAbspielen(int32_t Effektnummer);
