#include "LogoPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
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

namespace {

// Qt refuses pictures of more than 256 MB in memory; a logo scanned or
// photographed at full size (12,000 x 9,000 pixels take 432 MB) is still a
// logo. The bound left guards against a damaged header that claims a picture
// no memory could hold.
constexpr int kLogoMemoryLimitMb = 1024;

class LogoMemoryLimit {
public:
    LogoMemoryLimit() : saved_(QImageReader::allocationLimit()) {
        if (saved_ != 0 && saved_ < kLogoMemoryLimitMb) QImageReader::setAllocationLimit(kLogoMemoryLimitMb);
    }
    ~LogoMemoryLimit() { QImageReader::setAllocationLimit(saved_); }
    LogoMemoryLimit(const LogoMemoryLimit &) = delete;
    LogoMemoryLimit &operator=(const LogoMemoryLimit &) = delete;

private:
    int saved_;
};

}  // namespace

LogoRead ReadLogo(const QString &path, QImage *picture) {
    *picture = QImage();
    if (StateOfFile(path) != FileState::Regular) return LogoRead::NoPicture;
    // The reader tells the format from the bytes when the name does not fit
    // them, so a JPEG named ".bmp" (or the other way round) still reads, and
    // a file of any other content does not.
    QImageReader reader(path);
    const LogoMemoryLimit limit;
    if (!reader.canRead()) return LogoRead::NoPicture;
    const bool headerRead = reader.size().isValid();
    if (!reader.read(picture)) {
        *picture = QImage();
        return headerRead ? LogoRead::TooHard : LogoRead::NoPicture;
    }
    // Qt reads a name ending in "@2x" as a picture for sharp screens, to be
    // drawn at half its size; the logo is the picture's own pixels, whatever
    // the file is called.
    picture->setDevicePixelRatio(1);
    return LogoRead::Picture;
}

QString LogoNotLoadedMessage(const QString &path) {
    return QStringLiteral("Attenzione: il sistema non riesce a caricare l'immagine ") + QFileInfo(path).fileName() +
           QStringLiteral(".\r\n\r\nL'immagine potrebbe essere danneggiata o troppo grande: il logo della Ditta "
                          "resta quello attuale.");
}

QImage LoadLogoOrDefault(const QString &path) {
    QImage picture;
    return ReadLogo(path, &picture) == LogoRead::Picture ? picture : DefaultLogo();
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
