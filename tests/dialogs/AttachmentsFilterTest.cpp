// The attachments dialog's "Sfoglia..." through the real file dialog: its one
// filter reads "Tutti i file (*.*)" and shows every file, those whose names
// have no dot among them.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "dialogs/AllegaCartella.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel::test {
namespace {

// What the open file dialog showed the user.
struct Seen {
    bool opened = false;
    QString title;
    QStringList filters;  // as the filter box lists them
    QStringList files;    // the files listed and selectable in the folder
};

// Looks at the file dialog once it is open on `folder`, then cancels it.
void LookThenCancel(const QString &folder, Seen &seen) {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!dialog) {
        QTimer::singleShot(20, [folder, &seen] { LookThenCancel(folder, seen); });
        return;
    }
    seen.opened = true;
    seen.title = dialog->windowTitle();
    if (auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < types->count(); ++i) seen.filters.append(types->itemText(i));
    dialog->setDirectory(folder);
    auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
    if (view) {
        // The folder's entries arrive from a worker thread.
        const auto listed = [view] { return view->model()->rowCount(view->rootIndex()); };
        // A slow listing shows as missing names in the checks that follow.
        (void)QTest::qWaitFor([&] { return listed() >= 3; }, 5000);
        QTest::qWait(50);  // and the filter settles on them
        const QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, view->rootIndex());
            if (model->flags(index) & Qt::ItemIsEnabled) seen.files.append(index.data().toString());
        }
        seen.files.sort();
    }
    dialog->reject();
}

TEST(AttachmentsFilterTest, EveryFileIsShownUnderTheOneFilter) {
    TestFolder program;
    MessageScript messages;  // no box at all
    QTemporaryDir documents;
    ASSERT_TRUE(documents.isValid());
    for (const char *name : {"LEGGIMI", "libretto.pdf", "patente.jpeg"}) {
        QFile file(documents.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    Form card;
    auto dialog = std::make_unique<TfrmAllegaCartella>(&card);
    dialog->Create();
    ShowActive(dialog.get());
    Seen seen;
    QTimer::singleShot(0, [&] { LookThenCancel(documents.path(), seen); });
    Click(dialog->btnSfoglia01);

    ASSERT_TRUE(seen.opened) << "no file dialog was shown";
    EXPECT_EQ(seen.title, QStringLiteral("Selezionare il file da allegare:"));
    EXPECT_EQ(seen.filters.join(u'|').toStdString(), "Tutti i file (*.*)");
    EXPECT_EQ(seen.files.join(u'|').toStdString(), "LEGGIMI|libretto.pdf|patente.jpeg");
    // Cancelled: the slot stays empty.
    EXPECT_EQ(dialog->txtFile01->text(), QString());
    EXPECT_FALSE(dialog->btnApri01->isEnabled());
}

}  // namespace
}  // namespace vel::test
