#pragma once

#include "save_file_dialog.h"

#include <QImage>
#include <QString>

#include <functional>

// Writes `picture` as a PNG file at `path`, atomically: a temporary file
// beside it is renamed into place only once it is whole, so a failure leaves
// no file behind. Returns why it failed, or an empty string. A name that
// does not end in .png is refused.
QString SavePicture(const QImage& picture, const QString& path);

// "Salva immagine…": asks where to save `picture` through `ask`, proposing
// `name` in the folder of the last picture saved (while it exists) or the
// Pictures folder, and saves it there; a failure gets its message, a success
// keeps the folder. The frame timer waits while the question is open.
void SavePictureAs(const QImage& picture, const QString& name,
                   const std::function<SaveFileAnswer(const SaveFileQuestion&)>& ask);
