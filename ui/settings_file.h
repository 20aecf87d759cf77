#pragma once

#include <QSettings>

#include <memory>

// The file of what the program keeps between runs (INI, in the platform's
// configuration place; tests move it with QSettings::setPath). A missing,
// unreadable or corrupt file reads as empty: every value falls back to its
// default, and nothing is said. Qt writes the file whole through a temporary
// file, or not at all.
std::unique_ptr<QSettings> OpenSettings();
