#include "jpeg_probe.h"

namespace {

int byteAt(const QByteArray& bytes, qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); }

int word(const QByteArray& bytes, qsizetype at) { return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1); }

// Start-of-frame markers carry the picture size; C4 (DHT), C8 (JPG) and CC (DAC) do not.
bool isFrameMarker(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

JpegProbe failed(const QString& problem)
{
    JpegProbe probe;
    probe.problem = problem;
    return probe;
}

} // namespace

JpegProbe probeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return failed(QStringLiteral("the file is empty"));
    if (bytes.size() < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return failed(QStringLiteral("the file is not a JPEG picture (no start-of-image marker)"));
    if (byteAt(bytes, bytes.size() - 2) != 0xFF || byteAt(bytes, bytes.size() - 1) != 0xD9)
        return failed(QStringLiteral("the JPEG picture is cut short (no end-of-image marker)"));

    // Walk the header segments up to the first frame header.
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (byteAt(bytes, at) != 0xFF)
            return failed(QStringLiteral("the JPEG header is damaged at byte %1").arg(at));
        const int marker = byteAt(bytes, at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            break; // end of image or start of scan before any frame header
        const int length = word(bytes, at + 2);
        if (length < 2 || at + 2 + length > bytes.size())
            return failed(QStringLiteral("the JPEG header is damaged at byte %1").arg(at));
        if (isFrameMarker(marker)) {
            if (length < 7)
                return failed(QStringLiteral("the JPEG frame header is too short"));
            JpegProbe probe;
            probe.height = word(bytes, at + 5);
            probe.width = word(bytes, at + 7);
            if (probe.width == 0 || probe.height == 0)
                return failed(QStringLiteral("the JPEG picture has no size"));
            probe.ok = true;
            return probe;
        }
        at += 2 + length;
    }
    return failed(QStringLiteral("the JPEG picture has no frame header"));
}
