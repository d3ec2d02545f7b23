#include "LogoPicture.h"

#include <QBuffer>
#include <QPainter>

#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "pictures/Pictures.h"

namespace vel {

QImage DefaultLogo() {
    return Picture({PictureName::EuroLogo, {kDefaultLogoWidth, kDefaultLogoHeight}})
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage BlankLogo() {
    QImage blank(2, 2, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QImage LoadLogoOrDefault(const QString &path) {
    // The reader tells the format from the bytes, so a JPEG named ".bmp" (or
    // the other way round) still reads, and a file of any other content does not.
    QImage picture(path);
    if (picture.isNull()) return DefaultLogo();
    // Qt reads a name ending in "@2x" as a picture for sharp screens, to be
    // drawn at half its size; the logo is the picture's own pixels, whatever
    // the file is called.
    picture.setDevicePixelRatio(1);
    return picture;
}

QImage LoadCompanyLogo() { return LoadLogoOrDefault(ProgramPath(kLogoFileName)); }

QByteArray LogoBitmapBytes(const QImage &picture) {
    // A bitmap keeps no transparency worth trusting: what is see-through on
    // screen would come out black on paper, so it is laid on white first.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QImage pixels = picture;
        pixels.setDevicePixelRatio(1);  // every pixel in its place
        QPainter painter(&flat);
        painter.drawImage(0, 0, pixels);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!flat.save(&buffer, "BMP")) return QByteArray();
    return bytes;
}

bool WriteCompanyLogo(const QImage &picture) {
    if (picture.isNull()) return false;
    const QByteArray bytes = LogoBitmapBytes(picture);
    if (bytes.isEmpty()) return false;
    return WriteFileAtomically(ProgramPath(kLogoFileName), bytes);
}

}  // namespace vel
