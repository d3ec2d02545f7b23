// What the picks and the attachments dialog write into: the receivers the
// windows register while the start sequence builds them, checked against the
// windows themselves, so that a misspelt control name fails here instead of
// losing a field without a sound.
#include <QComboBox>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <set>

#include "ShellFixture.h"
#include "cards/FindDialog.h"
#include "cards/Receivers.h"
#include "common/Records.h"
#include "fleet/Flotta.h"

namespace vel::test {
namespace {

// The program's window of that object name.
QWidget *ProgramWindow(const QString &name) {
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == name) return top;
    return nullptr;
}

// A control of the window itself (not of a dialog it owns) that a fill can
// write: an edit, an editable combo or a label.
bool TakesText(QWidget *window, const char *name) {
    for (QWidget *w : window->findChildren<QWidget *>(QString::fromLatin1(name))) {
        if (w->window() != window) continue;
        if (auto *combo = qobject_cast<QComboBox *>(w)) return combo->isEditable();
        return qobject_cast<QLineEdit *>(w) || qobject_cast<QLabel *>(w);
    }
    return false;
}

// The controls a fill table names that its window lacks.
QStringList MissingControls(QWidget *window, std::span<const ControlFill> fills) {
    QStringList missing;
    for (const ControlFill &fill : fills)
        if (!TakesText(window, fill.control)) missing.append(QString::fromLatin1(fill.control));
    return missing;
}

// A card whose layout is still to come has no record position yet.
bool IsBuilt(QWidget *window) {
    for (QWidget *w : window->findChildren<QWidget *>(QStringLiteral("lblPosizione")))
        if (w->window() == window) return true;
    return false;
}

// The tags a caller writes into a dialog's lblMemory.
const std::set<QString> kCallerTags = {QStringLiteral("clienti"), QStringLiteral("flotta"),
                                       QStringLiteral("tariffario"), QStringLiteral("prenotazioni"),
                                       QStringLiteral("contrattinsc")};

TEST_F(ShellTest, PicksRegisteredAtStart) {
    std::set<std::pair<QString, QString>> registered;
    for (const auto &pick : RegisteredPicks()) registered.insert(pick);
    // The searches' own cards load whole records; the booking and contract
    // cards take fields of vehicles and tariffs.
    const std::pair<const char *, const char *> expected[] = {
        {"frmTrovaFlotta", "flotta"},       {"frmTrovaFlotta", "prenotazioni"},
        {"frmTrovaFlotta", "contrattinsc"}, {"frmTrovaTariffa", "tariffario"},
        {"frmTrovaTariffa", "contrattinsc"},
    };
    for (const auto &[dialog, tag] : expected)
        EXPECT_TRUE(registered.count({QString::fromLatin1(dialog), QString::fromLatin1(tag)}))
            << dialog << ", " << tag;
    // Whatever registered names a search of the program and a tag a caller
    // writes: a misspelt one would never be found by the pick.
    for (const auto &[dialog, tag] : registered) {
        SCOPED_TRACE((dialog + QStringLiteral(", ") + tag).toStdString());
        EXPECT_NE(qobject_cast<FindDialog *>(ProgramWindow(dialog)), nullptr) << "no such find dialog";
        EXPECT_TRUE(kCallerTags.count(tag)) << "no such caller tag";
    }
}

TEST_F(ShellTest, EveryControlAPickFillsExistsInItsWindow) {
    const std::vector<RegisteredFills> tables = RegisteredPickFills();
    ASSERT_FALSE(tables.empty());
    QStringList notBuilt;
    for (const RegisteredFills &table : tables) {
        SCOPED_TRACE((table.dialog + QStringLiteral(", ") + table.tag).toStdString());
        QWidget *window = table.window();
        ASSERT_NE(window, nullptr) << "the receiving window does not exist";
        ASSERT_FALSE(table.fills.empty());
        if (!IsBuilt(window)) {
            notBuilt.append(window->objectName() + QStringLiteral(" (") + table.dialog + QStringLiteral(", ") + table.tag + u')');
            continue;
        }
        EXPECT_EQ(MissingControls(window, table.fills), QStringList()) << window->objectName().toStdString();
    }
    if (!notBuilt.isEmpty())
        GTEST_SKIP() << "not built yet, their fills not checked: " << notBuilt.join(QStringLiteral("; ")).toStdString();
}

// The same check finds a misspelt name, and the fill itself says so.
TEST_F(ShellTest, AMisspeltFillIsFoundAndReported) {
    static constexpr ControlFill kMisspelt[] = {{"txtMarca", "Marca"}, {"txtModelo", "Modello"}};
    EXPECT_EQ(MissingControls(frmFlotta, kMisspelt), QStringList{QStringLiteral("txtModelo")});

    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &,
                                                                const QString &text) {
        if (type == QtWarningMsg) warnings.append(text);
    });
    Record vehicle(VehicleRecord);
    vehicle.SetText("Marca", QStringLiteral("Fiat"));
    vehicle.SetText("Modello", QStringLiteral("Panda"));
    FillControls(frmFlotta, vehicle, kMisspelt);
    qInstallMessageHandler(previous);
    EXPECT_EQ(frmFlotta->txtMarca->text(), QStringLiteral("Fiat"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("frmFlotta")));
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("txtModelo")));
}

TEST_F(ShellTest, AttachmentsGoBackIntoTheCardsThatRegistered) {
    const std::vector<QString> tags = RegisteredAttachmentTags();
    for (const char *tag : {"flotta", "tariffario"})
        EXPECT_NE(std::find(tags.begin(), tags.end(), QString::fromLatin1(tag)), tags.end()) << tag;
    for (const QString &tag : tags) {
        SCOPED_TRACE(tag.toStdString());
        EXPECT_TRUE(kCallerTags.count(tag));
        AttachmentLabels labels{};
        ASSERT_TRUE(RegisteredAttachments(tag, labels)) << "the card lacks its six labels";
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(labels.file[i]->objectName(), QStringLiteral("lblFile0%1").arg(i + 1));
            EXPECT_EQ(labels.desc[i]->objectName(), QStringLiteral("lblDesc0%1").arg(i + 1));
        }
    }
    AttachmentLabels none{};
    EXPECT_FALSE(RegisteredAttachments(QStringLiteral("Flotta"), none));
}

}  // namespace
}  // namespace vel::test
