// The pictures the program draws for itself: each asked for by name, drawn
// once per process, and put on its label only when the label is first shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "pictures/Pictures.h"

namespace vel::test {
namespace {

// How many pixels of the picture are not wholly transparent.
int InkedPixels(const QPixmap &picture) {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) ++inked;
    return inked;
}

TEST(Pictures, EveryNameDrawsItsPictureAtTheSizeAskedFor) {
    const QString word = QStringLiteral("Salva");
    const struct {
        const char *what;
        PictureKey key;
    } cases[] = {
        {"padlock", {PictureName::Padlock, {360, 228}, 0, QStringLiteral("Password"), QStringLiteral("Testo")}},
        {"checker banner", {PictureName::CheckerBanner, {360, 90}, int(CheckerEmblem::Iban), QStringLiteral("IBAN")}},
        {"attachments banner", {PictureName::AttachmentsBanner, {618, 80}}},
        {"clear disc", {PictureName::ClearDisc, {24, 24}}},
        {"command face", {PictureName::CommandFace, {76, 32}, 0, word}},
        {"arrow", {PictureName::ArrowFace, {22, 24}, int(ArrowKind::Last)}},
        {"icon", {PictureName::IconFace, {24, 24}, int(IconKind::Check)}},
        {"decoration", {PictureName::Decoration, {64, 48}, int(DecorationKind::Vehicle)}},
        {"export title", {PictureName::ExportTitle, {640, 60}, 0, QStringLiteral("Esporta")}},
        {"spreadsheet", {PictureName::Spreadsheet, {48, 48}}},
        {"sheet folder", {PictureName::SheetFolder, {82, 68}}},
        {"free day", {PictureName::FreeDayTile, {24, 33}, 29}},
        {"booked day", {PictureName::BookedDayTile, {24, 33}, 29}},
        {"month title", {PictureName::MonthTitle, {136, 33}, 12}},
        {"orange button", {PictureName::OrangeButton, {135, 43}, 0, word}},
        {"blue button", {PictureName::BlueButton, {141, 67}, 0, word}},
        {"guide icon", {PictureName::GuideIcon, {37, 39}}},
        {"exit icon", {PictureName::ExitIcon, {37, 39}}},
        {"title artwork", {PictureName::TitleArtwork, {199, 38}, 0, QStringLiteral("PLANNER")}},
        {"year box", {PictureName::YearBox, {190, 56}}},
        {"car", {PictureName::Car, {139, 64}}},
        {"keys", {PictureName::Keys, {144, 52}}},
        {"pointing hand", {PictureName::PointingHand, {36, 19}}},
        {"magnifier", {PictureName::Magnifier, {64, 41}}},
        {"summary header", {PictureName::SummaryHeader, {817, 53}}},
        {"instruction lines", {PictureName::InstructionLines, {645, 31}, 0, word, word}},
        {"booking instructions", {PictureName::BookingInstructions, {444, 32}}},
        {"calendar", {PictureName::CalendarIcon, {64, 64}, int(DayStatus::Booked)}},
        {"status banner", {PictureName::StatusBanner, {200, 40}, int(DayStatus::Free)}},
        {"copy icon", {PictureName::CopyIcon, {22, 22}}},
        {"eraser icon", {PictureName::EraserIcon, {22, 22}}},
        {"person", {PictureName::PersonWithDocument, {51, 81}}},
        {"printer", {PictureName::Printer, {82, 72}}},
        {"printer under glass", {PictureName::PrinterUnderMagnifier, {82, 72}}},
        {"resource, scaled", ResourcePicture(QStringLiteral(":/pictures/Avvio/imgGuida.png"), {48, 48})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QPixmap picture = Picture(c.key);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), c.key.size);
        EXPECT_GT(InkedPixels(picture), picture.width() * picture.height() / 100);
    }
    // The two tiles of a day differ; a missing resource gives a clear picture.
    EXPECT_NE(Picture({PictureName::FreeDayTile, {24, 33}, 9}).toImage(),
              Picture({PictureName::BookedDayTile, {24, 33}, 9}).toImage());
    const QPixmap missing = Picture(ResourcePicture(QStringLiteral(":/pictures/none.png"), {20, 20}));
    EXPECT_EQ(missing.size(), QSize(20, 20));
    EXPECT_EQ(InkedPixels(missing), 0);
}

TEST(Pictures, APictureIsDrawnOnceAndShared) {
    const PictureKey key{PictureName::CommandFace, {80, 32}, 0, QStringLiteral("Duplica")};
    EXPECT_EQ(Picture(key).cacheKey(), Picture(key).cacheKey());
    PictureKey other = key;
    other.text = QStringLiteral("Nuovo");
    EXPECT_NE(Picture(other).cacheKey(), Picture(key).cacheKey());
    other = key;
    other.size = {81, 32};
    EXPECT_NE(Picture(other).cacheKey(), Picture(key).cacheKey());
}

TEST(Pictures, ALabelGetsItsPictureWhenFirstShown) {
    QWidget window;
    auto *shown = new QLabel(&window);
    auto *hidden = new QLabel(&window);
    hidden->hide();
    const PictureKey key{PictureName::Magnifier, {64, 41}};
    ShowPicture(shown, key);
    ShowPicture(hidden, key);
    QApplication::processEvents();  // polishing the new widgets draws nothing
    EXPECT_TRUE(shown->pixmap().isNull());

    window.show();
    EXPECT_EQ(shown->pixmap().cacheKey(), Picture(key).cacheKey());
    EXPECT_TRUE(hidden->pixmap().isNull()) << "a hidden label waits until it is shown";
    hidden->show();
    EXPECT_EQ(hidden->pixmap().cacheKey(), Picture(key).cacheKey());
}

TEST(Pictures, AWindowPaintedWithoutBeingShownGetsItsPictures) {
    QWidget window;
    window.resize(100, 60);
    auto *label = new QLabel(&window);
    label->setGeometry(0, 0, 64, 41);
    ShowPicture(label, {PictureName::Magnifier, {64, 41}});
    const QImage look = window.grab().toImage();
    EXPECT_FALSE(label->pixmap().isNull());
    EXPECT_NE(look.pixelColor(label->geometry().center()), window.palette().color(QPalette::Window));
}

TEST(Pictures, AFirstShowJobRunsOnceAndNeverAfterItsWidgetIsGone) {
    int runs = 0;
    {
        QWidget window;
        WhenFirstShown(&window, [&runs] { ++runs; });
        window.show();
        window.hide();
        window.show();
        window.repaint();
    }
    EXPECT_EQ(runs, 1);
    {
        auto window = std::make_unique<QWidget>();
        WhenFirstShown(window.get(), [&runs] { ++runs; });
    }
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace vel::test
