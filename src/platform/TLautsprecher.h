#pragma once
// Role: the speaker that sounds a tone of a given pitch and length (tests record instead).
// The program's own generates the tone and plays it through the default audio output;
// without one it rings the desktop's bell. Tones asked for while one plays follow it in
// turn, as they would from a speaker that can sound only one at a time; nothing waits.

#include <QByteArray>

#include <cstdint>
#include <deque>
#include <memory>

class QAudioSink;
class QBuffer;

class TLautsprecher {
public:
    TLautsprecher();
    virtual ~TLautsprecher();
    TLautsprecher(const TLautsprecher&) = delete;
    TLautsprecher& operator=(const TLautsprecher&) = delete;

    // A tone of `Frequenz` hertz for `Dauer` milliseconds; either 0 gives silence.
    virtual void Ton(uint16_t Frequenz, uint16_t Dauer);

    // The samples of a tone: signed 16-bit mono at `Abtastrate`, a square wave of moderate
    // loudness, so that it sounds like the speaker it stands for.
    static constexpr int Abtastrate = 22050;
    static QByteArray Tonwelle(uint16_t Frequenz, uint16_t Dauer);

private:
    void Naechster();

    std::deque<QByteArray> Warteschlange;
    std::unique_ptr<QAudioSink> Ausgabe;
    std::unique_ptr<QBuffer> Puffer;
};
