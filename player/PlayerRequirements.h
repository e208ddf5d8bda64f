#pragma once
// What Qt's media player needs before it may be created. Qt Multimedia ends the program when it
// finds no backend, and its GStreamer backend uses elements it could not make, so the player
// looks for them first and reports "cannot create" when one is missing.

#include <QString>
#include <QStringList>

// The missing parts, each named for a person ("the GStreamer element uridecodebin"); empty when
// the player can be created. Looked up once per process: GStreamer reads its plugins once.
QStringList MissingPlayerParts();
// The GStreamer version in use ("GStreamer 1.22.0"), or empty when it cannot be loaded.
QString GStreamerVersion();
