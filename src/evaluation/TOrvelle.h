#pragma once
// The file interface to a learning-management system (the AICC CMI file form): the start
// file the system writes before it starts the player gives the learner's identity and the
// state of the lesson; at the end the player hands back the learning time in the output
// file the start file names. Values stay the files' Windows-1252 bytes. The program keeps
// one in the application context; until a start file is read it is not active.

#include <QDateTime>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

class TOrvelle {
public:
    // Not active; the start time is taken now from the clock in the application context.
    TOrvelle();

    // Reads the start file when it exists and takes the start time anew.
    void Starten(const std::filesystem::path& Startdatei);

    bool Aktiv() const { return Startdateiname.has_filename(); }
    // "Orvelle Interface [aktiv]" or "Orvelle Interface [nicht aktiv]".
    std::string Beschriftung() const;
    // The texts as read for the system values 300-304 and 307-313; "" for every other
    // number (305 is `Score`, 306 `Time` plus the run time, 314 `Aktiv`).
    std::string Wert(int Nr) const;
    // Where the output file goes: `Output_File` with backslashes as slashes, a relative
    // name taken from the start file's directory; empty without `Output_File`.
    std::filesystem::path Ausgabedatei() const;
    // The time since the start, by the clock in the application context.
    std::chrono::seconds Laufzeit() const;
    // At the end of the program, when active and an output file is named: writes
    // `Lesson_Location`, `Lesson_Status`, `Score` and the run time as `Time` into group
    // `Core` of the output file, keeping the rest of it. A file that cannot be written
    // gives message 60 and false.
    bool Beenden() const;

    std::filesystem::path Startdateiname; // empty when not active
    std::string Student_ID;
    std::string Student_Name;
    std::string Output_File;
    std::string Lesson_Status;
    std::string Lesson_Location;
    int32_t Score = 0;
    std::chrono::seconds Time{0};
    std::string City;
    std::string Company;
    std::string Country;
    std::string Familiar_Name;
    std::string Instructor_Name;
    std::string Street_Address;
    std::string Telephone;

private:
    void StartdateiLesen(const std::filesystem::path& Datei);

    QDateTime Startzeit;
};

// The start file: the one named on the command line, otherwise "param.cmi" in the lesson
// directory (found whatever its letter case).
std::filesystem::path Startdatei(const std::filesystem::path& Kommandozeile,
                                 const std::filesystem::path& Lektionsverzeichnis);

// "HH:MM:SS" (hours as many digits as they need) and back; a text that is no such time
// reads as 0.
std::string Zeittext(std::chrono::seconds Dauer);
std::chrono::seconds ZeitAusText(const std::string& Text);
