#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

// Writes the file at `path` atomically: `write` fills a temporary file beside
// it, which is renamed into place only once it is whole, so that a failure
// leaves no file behind. `write` answers why it failed, or an empty string.
// Returns why the file was not written, or an empty string.
QString WriteFileAtomically(const QString& path, const std::function<QString(QIODevice& file)>& write);
