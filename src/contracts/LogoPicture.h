#pragma once
// The company logo "Logo.bmp" beside the program: the logo dialog writes it,
// the printed contract and check sheet read it. Both fall back on the same
// built-in picture when there is no readable logo.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace vel {

inline const QString kLogoFileName = QStringLiteral("Logo.bmp");
// The built-in logo's size in pixels.
inline constexpr int kDefaultLogoWidth = 297;
inline constexpr int kDefaultLogoHeight = 184;

// The built-in logo: a blue euro sign on white, 297 x 184 pixels.
QImage DefaultLogo();
// The blank logo: 2 x 2 white pixels, which prints as an empty logo area.
QImage BlankLogo();

// What reading a logo file gave.
enum class LogoRead {
    Picture,    // the picture, whatever its size
    NoPicture,  // nothing to show: no file, not a plain file, or bytes that
                // hold no picture the reader knows
    TooHard,    // a picture whose header reads but whose pixels do not (too
                // large for memory, cut short): never to be taken for none
};
// Reads the picture in the file at `path`, whatever its format.
LogoRead ReadLogo(const QString &path, QImage *picture);
// The message for a picture that gives LogoRead::TooHard.
QString LogoNotLoadedMessage(const QString &path);

// The picture in the file at `path`; the built-in logo when there is none
// that can be read.
QImage LoadLogoOrDefault(const QString &path);
// The company logo of the program's folder, or the built-in one.
QImage LoadCompanyLogo();

// The picture as Windows bitmap bytes: transparent parts laid on white.
QByteArray LogoBitmapBytes(const QImage &picture);
// Writes the picture as "Logo.bmp" in the program's folder, through a
// temporary file renamed into place: false when that failed, and the earlier
// logo is then whole.
bool WriteCompanyLogo(const QImage &picture);

}  // namespace vel
