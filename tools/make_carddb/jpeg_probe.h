#pragma once
// Reads the frame size from the header of JPEG bytes without decoding the picture, so the
// database tool can check its pictures with Qt Core alone.
#include <QByteArray>
#include <QString>

struct JpegProbe {
    bool ok = false;
    int width = 0;
    int height = 0;
    QString problem; // why the bytes are not a whole JPEG picture, when !ok
};

JpegProbe probeJpeg(const QByteArray& bytes);
