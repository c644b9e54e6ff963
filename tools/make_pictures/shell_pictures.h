#pragma once
// Pictures of the main window and dialogs: banner, section emblems, about, exit and icon.
#include "picture_common.h"

#include <QDir>
#include <QImage>

class QPainter;
class QRectF;

namespace pictures {

// How the program's emblem is drawn: Fine for the about box, Bold for the program icon
// (wider ring and star), Small for icons of 48 px and less (no beads or inner ring, whose
// lines would blur into the disc at that size).
enum class EmblemStyle { Fine, Bold, Small };

// Eight-pointed star on a night-blue disc inside a double gold ring, filling rect's square.
void paintEmblem(QPainter& painter, const QRectF& rect, EmblemStyle style);

// The program icon at size x size pixels, in the style that reads at that size.
QImage makeProgramIcon(int size);

// Writes shell/*.png; returns the entries written.
bool writeShellPictures(const QDir& resources, std::vector<Resource>& written);

} // namespace pictures
