// The company logo dialog: what it shows when it opens, the three ways of
// changing the proposal (a chosen picture, the eraser, the euro sign), and the
// "Logo.bmp" that "Applica e chiudi" leaves in the program's folder.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QtEndian>
#include <functional>

#include "contracts/ContrattiNSC.h"
#include "contracts/Logo.h"
#include "contracts/LogoPicture.h"
#include "support/ProgramFixture.h"
#include "support/PipeTrap.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

QImage Filled(const QSize &size, const QColor &colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray Encoded(const QImage &image, const char *format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

// The picture a file holds, and the format its bytes say it is in.
struct Stored {
    QImage image;
    QByteArray format;
};
Stored ReadStored(const QString &path) {
    QImageReader reader(path);
    Stored stored;
    stored.format = reader.format();
    stored.image = reader.read();
    return stored;
}

bool SameImage(const QImage &a, const QImage &b) {
    return a.size() == b.size() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// A PNG whose header claims `size` but whose pixels are those of a 2 x 2
// picture: the header reads, the picture does not (with a size beyond any
// memory, it is refused before its pixels are looked at).
QByteArray PngClaiming(const QSize &size) {
    QByteArray png = Encoded(Filled({2, 2}, Qt::white), "PNG");
    // The header chunk: length at 8, "IHDR" at 12, width at 16, height at 20,
    // its check sum over type and data at 29.
    qToBigEndian<quint32>(quint32(size.width()), png.data() + 16);
    qToBigEndian<quint32>(quint32(size.height()), png.data() + 20);
    quint32 crc = 0xFFFFFFFF;
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(png[i]);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    qToBigEndian<quint32>(~crc, png.data() + 29);
    return png;
}

QString NotLoaded(const char *name) {
    return QStringLiteral("Attenzione: il sistema non riesce a caricare l'immagine ") + QString::fromLatin1(name) +
           QStringLiteral(".\r\n\r\nL'immagine potrebbe essere danneggiata o troppo grande: il logo della Ditta "
                          "resta quello attuale.");
}

class LogoTest : public ProgramTest {
protected:
    // The dialog as the contract card opens it: a new one, owned by the card,
    // shown modally; `act` runs while it is open. True when it was still
    // open once `act` was done.
    bool WhileOpen(std::function<void(TfrmLogo &)> act) {
        TfrmLogo dialog(frmContrattiNSC);
        dialog.Create();
        bool open = false;
        modals.Expect<TfrmLogo>([&](TfrmLogo &w) {
            act(w);
            open = w.isVisible();
            if (open) Click(w.btnAnnulla);
        });
        dialog.ShowModal();
        modals.Verify();
        return open;
    }

    FakeFileDialog files;
};

TEST_F(LogoTest, TheDialogOffersItsCommandsInAFixedWindow) {
    ASSERT_NE(frmLogo, nullptr);
    EXPECT_EQ(frmLogo->objectName(), QStringLiteral("frmLogo"));
    EXPECT_FALSE(frmLogo->isVisible());
    EXPECT_TRUE(WhileOpen([&](TfrmLogo &w) {
        EXPECT_EQ(w.Caption(), QStringLiteral(" Impostazione logo"));
        EXPECT_EQ(w.parentWidget(), frmContrattiNSC);
        EXPECT_TRUE(w.IsModal());
        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        EXPECT_EQ(w.btnSfoglia->text(), QStringLiteral("Sfoglia..."));
        EXPECT_EQ(w.btnApplica->text(), QStringLiteral("Applica e chiudi"));
        EXPECT_EQ(w.btnAnnulla->text(), QStringLiteral("Annulla"));
        for (QWidget *control : {static_cast<QWidget *>(w.imgLogo), static_cast<QWidget *>(w.btnCancLogo),
                                 static_cast<QWidget *>(w.imgEuro)})
            EXPECT_TRUE(w.rect().contains(control->geometry())) << control->objectName().toStdString();
        EXPECT_LE(QFontMetrics(w.lblIstruzioni->font()).horizontalAdvance(w.lblIstruzioni->text()),
                  w.lblIstruzioni->width());
        // The eraser and the euro sign are drawn for their buttons.
        const QImage look = w.grab().toImage();
        look.save(QStringLiteral("/tmp/role7-logo-dialog.png"));
        EXPECT_FALSE(w.btnCancLogo->pixmap().isNull());
        EXPECT_FALSE(w.imgEuro->pixmap().isNull());
        EXPECT_EQ(w.btnCancLogo->cursor().shape(), Qt::PointingHandCursor);
        // Nothing is asked for before "Sfoglia...".
        EXPECT_TRUE(files.calls.isEmpty());
    }));
    EXPECT_FALSE(folder.Exists(kLogoFileName));
}

TEST_F(LogoTest, TheBuiltInLogoIsABlueEuroSignOnWhiteAndTheBlankOneTwoWhitePixels) {
    const QImage euro = DefaultLogo();
    ASSERT_EQ(euro.size(), QSize(297, 184));
    EXPECT_EQ(euro.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(euro.pixelColor(296, 183), QColor(Qt::white));
    int blue = 0;
    for (int y = 0; y < euro.height(); ++y)
        for (int x = 0; x < euro.width(); ++x) {
            const QColor c = euro.pixelColor(x, y);
            if (c.blue() > 120 && c.red() < 80 && c.green() < 120) ++blue;
        }
    EXPECT_GT(blue, 297 * 184 / 20);
    euro.save(QStringLiteral("/tmp/role7-euro.png"));
    EXPECT_TRUE(SameImage(BlankLogo(), Filled({2, 2}, Qt::white)));
}

TEST_F(LogoTest, FirstUseShowsTheEuroSignAndApplyingItCreatesTheBitmap) {
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo()));
        EXPECT_FALSE(w.imgLogo->pixmap().isNull());
        Click(w.btnApplica);
    }));
    const Stored stored = ReadStored(folder.Path(kLogoFileName));
    EXPECT_EQ(stored.format, QByteArray("bmp"));
    EXPECT_TRUE(SameImage(stored.image, DefaultLogo()));
    EXPECT_TRUE(folder.Read(kLogoFileName).startsWith("BM"));
}

TEST_F(LogoTest, OpeningShowsTheStoredLogoOrTheEuroSignWhenItCannotBeRead) {
    const QImage red = Filled({40, 25}, QColor(0xC0, 0x10, 0x10));
    const struct {
        const char *what;
        QByteArray bytes;
        QImage shown;
    } cases[] = {
        {"a bitmap", Encoded(red, "BMP"), red},
        {"a JPEG under the bitmap's name", Encoded(Filled({40, 25}, Qt::black), "JPG"), Filled({40, 25}, Qt::black)},
        {"no picture at all", QByteArray("questo non \xe8 un disegno"), DefaultLogo()},
        {"an empty file", QByteArray(), DefaultLogo()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write(kLogoFileName, c.bytes);
        WhileOpen([&](TfrmLogo &w) { EXPECT_TRUE(SameImage(w.LogoPicture(), c.shown)); });
        // Looking changes nothing.
        EXPECT_EQ(folder.Read(kLogoFileName), c.bytes);
    }
    // A locked logo (here a folder in its place) is no picture either.
    ASSERT_TRUE(QFile::remove(folder.Path(kLogoFileName)));
    folder.Block(kLogoFileName);
    WhileOpen([&](TfrmLogo &w) { EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo())); });
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LogoTest, AChosenJpegIsShownAndWrittenAsABitmap) {
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x80, 0x20));
    folder.Write(QStringLiteral("marchio.jpg"), Encoded(photo, "JPG"));
    files.answers = {folder.Path(QStringLiteral("marchio.jpg"))};
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        EXPECT_EQ(w.LogoPicture().size(), QSize(64, 48));
        Click(w.btnApplica);
    }));
    ASSERT_EQ(files.calls.size(), 1);
    EXPECT_EQ(files.calls[0].title, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
    // The two choices, JPEG and bitmap, in Qt's own syntax.
    EXPECT_EQ(files.calls[0].filter, QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    const Stored stored = ReadStored(folder.Path(kLogoFileName));
    EXPECT_EQ(stored.format, QByteArray("bmp"));
    ASSERT_EQ(stored.image.size(), QSize(64, 48));
    const QColor middle = stored.image.pixelColor(32, 24);
    EXPECT_NEAR(middle.green(), 0x80, 12);
    EXPECT_NEAR(middle.red(), 0x20, 12);
}

TEST_F(LogoTest, CancellingTheFileDialogChangesNothingAndAnUnreadableChoiceShowsTheEuroSign) {
    const QImage red = Filled({10, 10}, Qt::red);
    folder.Write(kLogoFileName, Encoded(red, "BMP"));
    folder.Write(QStringLiteral("rotto.jpg"), QByteArray("\xff\xd8 troncato"));
    files.answers = {QString(), folder.Path(QStringLiteral("rotto.jpg"))};
    WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);  // cancelled
        EXPECT_TRUE(SameImage(w.LogoPicture(), red));
        Click(w.btnSfoglia);  // a file that holds no picture
        EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo()));
    });
    EXPECT_EQ(files.calls.size(), 2);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(LogoTest, TheEraserAndTheEuroSignOnlyChangeTheProposal) {
    const QImage red = Filled({10, 10}, Qt::red);
    const QByteArray before = Encoded(red, "BMP");
    folder.Write(kLogoFileName, before);
    WhileOpen([&](TfrmLogo &w) {
        Click(w.btnCancLogo);
        EXPECT_TRUE(SameImage(w.LogoPicture(), BlankLogo()));
        Click(w.imgEuro);
        EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo()));
        EXPECT_EQ(folder.Read(kLogoFileName), before);
    });
    // "Annulla" (pressed by WhileOpen) leaves the logo as it was.
    EXPECT_EQ(folder.Read(kLogoFileName), before);

    // Eraser, then "Applica e chiudi": two white pixels, not the euro sign.
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        Click(w.btnCancLogo);
        Click(w.btnApplica);
    }));
    const Stored stored = ReadStored(folder.Path(kLogoFileName));
    EXPECT_EQ(stored.format, QByteArray("bmp"));
    EXPECT_TRUE(SameImage(stored.image, Filled({2, 2}, Qt::white)));
}

TEST_F(LogoTest, AnnullaAfterChoosingAPictureLeavesTheLogoAsItWas) {
    const QByteArray before = Encoded(Filled({10, 10}, Qt::red), "BMP");
    folder.Write(kLogoFileName, before);
    folder.Write(QStringLiteral("nuovo.bmp"), Encoded(Filled({30, 30}, Qt::blue), "BMP"));
    files.answers = {folder.Path(QStringLiteral("nuovo.bmp"))};
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        EXPECT_EQ(w.LogoPicture().size(), QSize(30, 30));
        Click(w.btnAnnulla);
    }));
    EXPECT_EQ(folder.Read(kLogoFileName), before);
}

TEST_F(LogoTest, TransparentPartsOfAPictureAreWrittenWhite) {
    QImage see(20, 10, QImage::Format_ARGB32);
    see.fill(Qt::transparent);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y) see.setPixelColor(x, y, QColor(0, 0, 0xFF));
    see.setPixelColor(15, 5, QColor(0xFF, 0, 0, 0x80));  // half see-through red
    folder.Write(QStringLiteral("trasparente.png"), Encoded(see, "PNG"));
    files.answers = {folder.Path(QStringLiteral("trasparente.png"))};
    WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        Click(w.btnApplica);
    });
    const Stored stored = ReadStored(folder.Path(kLogoFileName));
    EXPECT_EQ(stored.format, QByteArray("bmp"));
    ASSERT_EQ(stored.image.size(), QSize(20, 10));
    EXPECT_FALSE(stored.image.hasAlphaChannel());
    EXPECT_EQ(stored.image.pixelColor(2, 2), QColor(0, 0, 0xFF));
    EXPECT_EQ(stored.image.pixelColor(18, 2), QColor(Qt::white));
    const QColor half = stored.image.pixelColor(15, 5);
    EXPECT_EQ(half.red(), 0xFF);
    EXPECT_NEAR(half.green(), 0x7F, 2);
}

// A file named as a picture for sharp screens ("logo@2x.png") is read by Qt
// at half its size for drawing: the logo is still the whole picture, pixel
// for pixel, not its top-left quarter on white.
TEST_F(LogoTest, APictureNamedForSharpScreensIsWrittenWhole) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(0, 0x80, 0));
    picture.setPixelColor(39, 19, QColor(0xFF, 0, 0));
    folder.Write(QStringLiteral("logo@2x.png"), Encoded(picture, "PNG"));
    files.answers = {folder.Path(QStringLiteral("logo@2x.png"))};
    WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        EXPECT_EQ(w.LogoPicture().devicePixelRatio(), 1.0);
        Click(w.btnApplica);
    });
    const Stored stored = ReadStored(folder.Path(kLogoFileName));
    ASSERT_EQ(stored.image.size(), QSize(40, 20));
    EXPECT_EQ(stored.image.pixelColor(38, 18), QColor(0, 0x80, 0));
    EXPECT_EQ(stored.image.pixelColor(39, 19), QColor(0xFF, 0, 0));

    // The printed contract takes it whole as well.
    folder.Write(QStringLiteral("Logo@2x.bmp"), Encoded(picture, "BMP"));
    EXPECT_EQ(LoadLogoOrDefault(folder.Path(QStringLiteral("Logo@2x.bmp"))).devicePixelRatio(), 1.0);
}

TEST_F(LogoTest, ALogoThatCannotBeWrittenIsReportedAndTheEarlierOneKept) {
    const QByteArray before = Encoded(Filled({4, 4}, Qt::red), "BMP");
    folder.Write(kLogoFileName, before);
    messages.Expect(MsgKind::Error, QStringLiteral("Attenzione: il sistema non permette di salvare il logo della "
                                                   "Ditta.\r\n\r\nAccertarsi che la cartella del programma consenta "
                                                   "la scrittura."));
    const bool open = WhileOpen([&](TfrmLogo &w) {
        Click(w.imgEuro);
        WriteLimit limit(1000);  // the euro sign's bitmap is far larger
        Click(w.btnApplica);
        // The dialog stays with its proposal, to try again or to give up.
        EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo()));
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(folder.Read(kLogoFileName), before);
    // No half-written file is left beside it.
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{kLogoFileName});
}

// A logo of any size the reader can hold is a logo: a full-size scan is
// taken whole (Qt's own limit would refuse its 432 MB), and written so.
TEST_F(LogoTest, ALargePictureIsTakenWhole) {
    {
        QImage scan(12000, 9000, QImage::Format_RGB888);
        scan.fill(QColor(0x10, 0x40, 0xA0));
        // Little compression: the picture is plain, and the test quick.
        ASSERT_TRUE(scan.save(folder.Path(QStringLiteral("scansione.png")), "PNG", 90));
    }
    files.answers = {folder.Path(QStringLiteral("scansione.png"))};
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        EXPECT_EQ(w.LogoPicture().size(), QSize(12000, 9000));
        EXPECT_EQ(w.LogoPicture().pixelColor(11999, 8999), QColor(0x10, 0x40, 0xA0));
        Click(w.btnApplica);
    }));
    QImageReader stored(folder.Path(kLogoFileName));
    EXPECT_EQ(stored.format(), QByteArray("bmp"));
    EXPECT_EQ(stored.size(), QSize(12000, 9000));
    EXPECT_TRUE(messages.Shown().empty());
}

// A picture that really cannot be loaded (here one claiming 40,000 pixels a
// side) is said so, and never silently replaced by the euro sign: chosen, the
// logo shown stays; stored, "Applica e chiudi" leaves it as it is.
TEST_F(LogoTest, APictureThatCannotBeLoadedIsReportedAndTheLogoKept) {
    const QByteArray huge = PngClaiming({40000, 40000});
    const QImage red = Filled({10, 10}, Qt::red);
    folder.Write(kLogoFileName, Encoded(red, "BMP"));
    folder.Write(QStringLiteral("enorme.png"), huge);
    files.answers = {folder.Path(QStringLiteral("enorme.png"))};
    messages.Expect(MsgKind::Error, NotLoaded("enorme.png"));
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        EXPECT_TRUE(SameImage(w.LogoPicture(), red));
        Click(w.btnApplica);
    }));
    messages.Verify();
    EXPECT_TRUE(SameImage(ReadStored(folder.Path(kLogoFileName)).image, red));

    folder.Write(kLogoFileName, huge);
    messages.Expect(MsgKind::Error, NotLoaded("Logo.bmp"));
    EXPECT_FALSE(WhileOpen([&](TfrmLogo &w) {
        messages.Verify();
        EXPECT_TRUE(w.LogoPicture().isNull());
        EXPECT_TRUE(w.imgLogo->pixmap().isNull());
        Click(w.btnApplica);
    }));
    EXPECT_EQ(folder.Read(kLogoFileName), huge);
    // Another picture chosen afterwards is applied as usual.
    folder.Write(QStringLiteral("blu.bmp"), Encoded(Filled({6, 6}, Qt::blue), "BMP"));
    files.answers = {folder.Path(QStringLiteral("blu.bmp"))};
    messages.Expect(MsgKind::Error, NotLoaded("Logo.bmp"));
    WhileOpen([&](TfrmLogo &w) {
        Click(w.btnSfoglia);
        Click(w.btnApplica);
    });
    messages.Verify();
    EXPECT_TRUE(SameImage(ReadStored(folder.Path(kLogoFileName)).image, Filled({6, 6}, Qt::blue)));
}

// A named pipe is no picture: the dialog shows the euro sign without waiting
// on it, whether it stands at the logo's name or is chosen.
TEST_F(LogoTest, ANamedPipeIsNoPicture) {
    PipeTrap logo(folder.Path(kLogoFileName));
    PipeTrap chosen(folder.Path(QStringLiteral("tubo.jpg")));
    ASSERT_TRUE(logo.Made() && chosen.Made());
    files.answers = {folder.Path(QStringLiteral("tubo.jpg"))};
    WhileOpen([&](TfrmLogo &w) {
        EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo()));
        Click(w.btnCancLogo);
        Click(w.btnSfoglia);
        EXPECT_TRUE(SameImage(w.LogoPicture(), DefaultLogo()));
    });
    EXPECT_TRUE(SameImage(LoadCompanyLogo(), DefaultLogo()));
    EXPECT_FALSE(logo.Opened());
    EXPECT_FALSE(chosen.Opened());
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
