#include "platform/TLautsprecher.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

TLautsprecher::TLautsprecher() = default;

TLautsprecher::~TLautsprecher() {
    if (Ausgabe) Ausgabe->stop();
}

QByteArray TLautsprecher::Tonwelle(uint16_t Frequenz, uint16_t Dauer) {
    if (Frequenz == 0 || Dauer == 0) return {};
    const int64_t proben = int64_t(Abtastrate) * Dauer / 1000;
    constexpr int16_t Pegel = 6000;
    QByteArray welle(static_cast<qsizetype>(proben * 2), Qt::Uninitialized);
    auto* wert = reinterpret_cast<int16_t*>(welle.data());
    for (int64_t i = 0; i < proben; ++i) {
        // The half period in which sample i lies decides the sign of the square wave.
        const int64_t halbperiode = i * 2 * Frequenz / Abtastrate;
        wert[i] = (halbperiode % 2 == 0) ? Pegel : static_cast<int16_t>(-Pegel);
    }
    return welle;
}

void TLautsprecher::Ton(uint16_t Frequenz, uint16_t Dauer) {
    QByteArray welle = Tonwelle(Frequenz, Dauer);
    if (welle.isEmpty()) return;
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        QApplication::beep();
        return;
    }
    Warteschlange.push_back(std::move(welle));
    if (!Ausgabe) Naechster();
}

void TLautsprecher::Naechster() {
    if (Ausgabe) Ausgabe->disconnect();
    // The finished sink may be the one whose signal runs now.
    if (Ausgabe) Ausgabe.release()->deleteLater();
    if (Puffer) Puffer.release()->deleteLater();
    if (Warteschlange.empty()) return;
    QAudioFormat format;
    format.setSampleRate(Abtastrate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    Puffer = std::make_unique<QBuffer>();
    Puffer->setData(Warteschlange.front());
    Warteschlange.pop_front();
    Puffer->open(QIODevice::ReadOnly);
    Ausgabe = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    QObject::connect(Ausgabe.get(), &QAudioSink::stateChanged, Ausgabe.get(),
                     [this](QAudio::State Zustand) {
                         if (Zustand == QAudio::IdleState || Zustand == QAudio::StoppedState)
                             Naechster();
                     });
    Ausgabe->start(Puffer.get());
}
