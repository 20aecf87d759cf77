#pragma once

#include "save_file_dialog.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>

// The name "Salva immagine…" proposes for a picture taken at `moment` (its
// local date and time): "Il sistema solare 2026-12-08 21.30.05.png".
QString ProposedPictureName(const QDateTime& moment);

// Writes `picture` as a PNG file at `path`, atomically: a temporary file
// beside it is renamed into place only once it is whole, so a failure leaves
// no file behind. Returns why it failed, or an empty string. A name that
// does not end in .png is refused.
QString SavePicture(const QImage& picture, const QString& path);

// "Salva immagine…": asks where to save `picture` through `ask`, proposing
// the Pictures folder and the name of `moment`, and saves it there; a failure
// gets its message. The frame timer waits while the question is open.
void SavePictureAs(const QImage& picture, const QDateTime& moment,
                   const std::function<SaveFileAnswer(const SaveFileQuestion&)>& ask);
