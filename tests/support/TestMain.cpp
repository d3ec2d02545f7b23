// Every test program runs on Qt's offscreen platform with a real application
// object, so windows can be created, shown and driven without a display.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

#include "TestHome.h"
#include "platform/Platform.h"

namespace vel::test {
namespace {
QString ownHome;
}  // namespace

QString TestHome() { return ownHome; }

}  // namespace vel::test

int main(int argc, char **argv) {
    // Set before Qt looks at them, and inherited by every program a test starts.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/velmora-tests-home-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make the tests' own home folder\n");
        return 1;
    }
    const struct {
        const char *variable;
        const char *folder;
    } homes[] = {{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
                 {"XDG_CACHE_HOME", "cache"},   {"XDG_STATE_HOME", "state"}};
    for (const auto &h : homes) {
        const QString path = home.filePath(QString::fromLatin1(h.folder));
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(path));
            return 1;
        }
        qputenv(h.variable, QFile::encodeName(path));
    }
    vel::test::ownHome = home.path();

    qputenv("QT_QPA_PLATFORM", "offscreen");
    vel::PrepareRendering();
    QApplication app(argc, argv);
    vel::InitPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
