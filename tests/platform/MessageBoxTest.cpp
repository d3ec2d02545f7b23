// Message boxes: every box goes through the installed service, and the real
// one offers exactly the buttons and icon of its kind, with the text as given.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/MessageBox.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel {
namespace {

TEST(MessageRouting, BoxesGoThroughTheInstalledService) {
    test::MessageScript script;
    const QString twoLines = QStringLiteral("Targa gi\u00e0 presente.\r\nControllare la flotta.");
    script.Expect(MsgKind::Warning, twoLines, MsgButton::Cancel);
    script.Expect(MsgKind::Confirmation, QStringLiteral("Eliminare il cliente?"), MsgButton::Yes);
    script.Expect(MsgKind::Plain, QStringLiteral("Fatto.\n\r\n\r"));

    EXPECT_EQ(MessageDlg(MsgKind::Warning, twoLines), MsgButton::Cancel);
    EXPECT_EQ(MessageDlg(MsgKind::Confirmation, QStringLiteral("Eliminare il cliente?")), MsgButton::Yes);
    ShowMessage(QStringLiteral("Fatto.\n\r\n\r"));

    EXPECT_EQ(script.Shown().size(), 3u);
}

// What the open box showed, read while it waits for the user.
struct SeenBox {
    bool found = false;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString label;  // what the box displays
    Qt::WindowFlags flags;
    bool cameBack = false;  // minimised, then back on screen at once
};

// Waits for the next message box, records it and clicks the named button.
class BoxAnswerer {
public:
    BoxAnswerer(SeenBox *seen, QString click) : seen_(seen), click_(std::move(click)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

private:
    static QMessageBox *OpenBox() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) return box;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) return box;
        return nullptr;
    }

    void Poll() {
        QMessageBox *box = OpenBox();
        if (!box) return;
        timer_.stop();
        seen_->found = true;
        seen_->icon = box->icon();
        seen_->text = box->text();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) seen_->label = label->text();
        seen_->flags = box->windowFlags();
        box->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        seen_->cameBack = box->windowState() == Qt::WindowNoState && box->isVisible();
        QAbstractButton *target = nullptr;
        for (QAbstractButton *b : box->buttons()) {
            seen_->buttons << b->text();
            if (b->text() == click_) target = b;
        }
        seen_->buttons.sort();
        if (!target) {  // never leave the test waiting on a box
            ADD_FAILURE() << "no button " << click_.toStdString();
            box->done(0);
            return;
        }
        QTest::mouseClick(target, Qt::LeftButton);
    }

    SeenBox *seen_;
    QString click_;
    QTimer timer_;
};

struct BoxCase {
    const char *name;
    MsgKind kind;
    QString text;
    QStringList buttons;  // sorted
    QMessageBox::Icon icon;
    QString click;
    MsgButton answer;
};
void PrintTo(const BoxCase &c, std::ostream *os) { *os << c.name; }

class RealMessageBox : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { SetMessageService(nullptr); }
};

TEST_P(RealMessageBox, OffersTheButtonsOfItsKind) {
    const BoxCase &c = GetParam();
    SeenBox seen;
    BoxAnswerer answerer(&seen, c.click);
    const MsgButton answer = MessageDlg(c.kind, c.text);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.text, c.text);
    EXPECT_EQ(seen.label, c.text) << "shown exactly as given";
    EXPECT_EQ(int(answer), int(c.answer));
    EXPECT_FALSE(seen.flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(seen.cameBack) << "a message box is never left minimised";
}

const QString kLines = QStringLiteral("Prima riga\n\r\n\rSeconda riga");
const QStringList kOkCancel = {QStringLiteral("Annulla"), QStringLiteral("OK")};
const QStringList kYesNo = {QStringLiteral("No"), QStringLiteral("S\u00ec")};

INSTANTIATE_TEST_SUITE_P(
    Cases, RealMessageBox,
    ::testing::Values(
        BoxCase{"WarningOk", MsgKind::Warning, kLines, kOkCancel, QMessageBox::Warning, "OK", MsgButton::Ok},
        BoxCase{"WarningCancel", MsgKind::Warning, "Attenzione", kOkCancel, QMessageBox::Warning, "Annulla",
                MsgButton::Cancel},
        BoxCase{"Error", MsgKind::Error, kLines, kOkCancel, QMessageBox::Critical, "OK", MsgButton::Ok},
        BoxCase{"Information", MsgKind::Information, kLines, kOkCancel, QMessageBox::Information, "Annulla",
                MsgButton::Cancel},
        BoxCase{"ConfirmationYes", MsgKind::Confirmation, kLines, kYesNo, QMessageBox::Question,
                QStringLiteral("S\u00ec"), MsgButton::Yes},
        BoxCase{"ConfirmationNo", MsgKind::Confirmation, "Salvare?", kYesNo, QMessageBox::Question, "No",
                MsgButton::No},
        BoxCase{"Plain", MsgKind::Plain, kLines, {QStringLiteral("OK")}, QMessageBox::NoIcon, "OK",
                MsgButton::Ok}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vel
