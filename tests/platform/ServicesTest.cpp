// The desktop seams: whatever the program hands to the shell, the file dialog
// or the printer reaches the installed stand-in, and the real service is back
// once the stand-in is gone.
#include <QAbstractProxyModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/Services.h"
#include "support/Fakes.h"
#include "support/TestHome.h"

namespace vel {
namespace {

TEST(DesktopSeams, CallsReachTheInstalledFakes) {
    {
        test::FakeShell shell;
        test::FakeFileDialog files;
        test::FakePrinter printer;
        files.answers.push_back(QStringLiteral("/tmp/logo.bmp"));

        Shell().Open(QStringLiteral("\"/home/velmora/Contratto 12.pdf\""));
        EXPECT_EQ(shell.opened, QStringList{QStringLiteral("\"/home/velmora/Contratto 12.pdf\"")});

        EXPECT_EQ(FileDialogs().GetOpenFileName(nullptr, "Logo", "/tmp", "Immagini (*.bmp)"),
                  QStringLiteral("/tmp/logo.bmp"));
        ASSERT_EQ(files.calls.size(), 1);
        EXPECT_EQ(files.calls[0].filter, QStringLiteral("Immagini (*.bmp)"));

        PrintJob job;
        job.title = QStringLiteral("Contratto");
        job.pages = PrintPages(QList<QPicture>{QPicture()});
        EXPECT_TRUE(Printing().Print(nullptr, job));
        Printing().Preview(nullptr, job);
        ASSERT_EQ(printer.printed.size(), 1u);
        EXPECT_EQ(printer.printed[0].title, QStringLiteral("Contratto"));
        EXPECT_EQ(printer.previewed.size(), 1u);

        EXPECT_EQ(&Shell(), static_cast<ShellService *>(&shell));
        EXPECT_EQ(&Printing(), static_cast<PrintService *>(&printer));
    }
    EXPECT_EQ(dynamic_cast<test::FakeShell *>(&Shell()), nullptr);
    EXPECT_EQ(dynamic_cast<test::FakeFileDialog *>(&FileDialogs()), nullptr);
    EXPECT_EQ(dynamic_cast<test::FakePrinter *>(&Printing()), nullptr);
}


// Mended: Qt's own file dialog writes its dates and sizes in the program's
// language, not the system's; the chosen file comes back whole.
TEST(RealFileDialog, DatesAndSizesInItalianAndTheChosenFileComesBack) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Cliente.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();
    QString date, size;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) return;
        // The rows as the dialog's detail view shows them.
        const auto *files = dialog->findChild<QFileSystemModel *>();
        const QAbstractProxyModel *proxy = dialog->proxyModel();
        const QModelIndex row = proxy ? proxy->mapFromSource(files->index(path)) : files->index(path);
        date = row.siblingAtColumn(3).data().toString();
        size = row.siblingAtColumn(1).data().toString();
        if (date.isEmpty()) return;
        poll.stop();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("Cliente.pdf"));
        static_cast<QDialog *>(dialog)->accept();
    });
    poll.start();
    EXPECT_EQ(FileDialogs().GetOpenFileName(nullptr, QStringLiteral("Apri"), folder.path(),
                                            QStringLiteral("Documenti (*.pdf)")),
              path);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    EXPECT_EQ(date, italian.toString(QFileInfo(path).lastModified(), QLocale::ShortFormat));
    EXPECT_EQ(size, italian.formattedDataSize(2048));
}

// The dialog keeps its history of folders in the configuration folder: a
// test process has one of its own, so the user's never fills with the
// suite's temporary folders.
TEST(RealFileDialog, KeepsItsHistoryInTheTestProcesssOwnConfiguration) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    ASSERT_FALSE(test::TestHome().isEmpty());
    EXPECT_TRUE(config.startsWith(test::TestHome() + u'/')) << config.toStdString();
    EXPECT_NE(QDir::cleanPath(config), QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config")));

    QTemporaryDir folder;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            poll.stop();
            static_cast<QDialog *>(dialog)->reject();
        }
    });
    poll.start();
    EXPECT_EQ(FileDialogs().GetOpenFileName(nullptr, QStringLiteral("Apri"), folder.path(),
                                            QStringLiteral("Documenti (*.pdf)")),
              QString());
    // Qt wrote the folder into the process's own configuration, not the user's.
    QFile own(config + QStringLiteral("/QtProject.conf"));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_TRUE(own.readAll().contains(QFile::encodeName(folder.path())));
    QFile users(QDir::homePath() + QStringLiteral("/.config/QtProject.conf"));
    if (users.open(QIODevice::ReadOnly)) {
        EXPECT_FALSE(users.readAll().contains(QFile::encodeName(folder.path())));
    }
}

}  // namespace
}  // namespace vel
