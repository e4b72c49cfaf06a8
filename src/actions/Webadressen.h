#pragma once
// The fixed web addresses that lessons open with their actions: the maker's information
// portal, the learning-management portal and the forum of the system.

inline constexpr const char* Informationsportal = "https://www.velmora.example/informationen/";
inline constexpr const char* Lernportal = "https://lernen.velmora.example/";
inline constexpr const char* Forum = "https://forum.velmora.example/";
