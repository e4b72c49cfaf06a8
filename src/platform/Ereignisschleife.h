#pragma once
// The event loop the player runs on, chosen before the application object is made.
//
// Qt's GLib event loop wakes itself with a system call for every event posted, and a page
// build posts several per control (polish and layout requests): on a page of 200 objects
// that is a quarter of the build. Qt's own Unix event loop wakes once for any number of
// them. Nothing in the player needs GLib's loop today: sounds go through the audio sink,
// and no native GTK dialog is used. A media player built on GStreamer would watch its bus
// on a timer instead of in the loop, so whoever adds one should weigh that again.
//
// Anyone who sets QT_NO_GLIB themselves (empty for GLib's loop) keeps their choice.

#include <QByteArray>
#include <QtGlobal>

inline void EreignisschleifeWaehlen() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
}
