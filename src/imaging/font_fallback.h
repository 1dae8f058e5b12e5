#pragma once

// Maps the fonts the window definitions name ("Verdana", "Tahoma") to DejaVu Sans where they are
// not installed. Needs a QGuiApplication.
void InstallFontFallbacks();
