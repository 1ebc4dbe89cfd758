#pragma once

class QImage;
class QString;

// Saves the picture as a BMP at exactly this path, replacing any file there.
// The new file appears whole or not at all: an existing file is never
// truncated and no temporary file is left behind. Throws SaveError.
void savePicture(const QImage &picture, const QString &path);
