// The desktop seams: whatever the program hands to the shell, the file dialog
// or the printer reaches the installed stand-in, and the real service is back
// once the stand-in is gone.
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/Services.h"
#include "support/Fakes.h"

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

}  // namespace
}  // namespace vel
