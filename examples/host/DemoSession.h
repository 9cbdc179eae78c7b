#pragma once
// The headless session of ./run demo: drives the host window with real
// events, as a user would, and writes what it shows to a folder.

#include <QString>

class HostWindow;

// Runs the session on a shown window; false when a picture could not be written.
bool runDemoSession(HostWindow &window, const QString &outFolder);
