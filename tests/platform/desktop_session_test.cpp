// SPDX-License-Identifier: MIT
// What a start takes from the desktop session: paths made absolute for a
// running instance elsewhere, the launcher's activation tokens, and which
// display the window opens on.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <utility>

#include "absolute_path.h"
#include "activation_token.h"
#include "display_choice.h"
#include "window_activation.h"

namespace lm {
namespace {

TEST(AbsolutePathTest, RelativePathsAreTakenFromTheBase) {
    const QString base = QStringLiteral("/home/u/dir");
    EXPECT_EQ(AbsolutePath(QStringLiteral("a.txt"), base), QStringLiteral("/home/u/dir/a.txt"));
    EXPECT_EQ(AbsolutePath(QStringLiteral("./sub//b.txt"), base),
              QStringLiteral("/home/u/dir/sub/b.txt"));
    // ".." stays: through a linked folder it is not the name's parent.
    EXPECT_EQ(AbsolutePath(QStringLiteral("../c"), base), QStringLiteral("/home/u/dir/../c"));
    EXPECT_EQ(AbsolutePath(QStringLiteral("."), base), QStringLiteral("/home/u/dir"));
    EXPECT_EQ(AbsolutePath(QStringLiteral("sub/"), base), QStringLiteral("/home/u/dir/sub/"));
    EXPECT_EQ(AbsolutePath(QStringLiteral("x"), QStringLiteral("/")), QStringLiteral("/x"));
    EXPECT_EQ(AbsolutePath(QStringLiteral("x"), QStringLiteral("/home/u/dir/")),
              QStringLiteral("/home/u/dir/x"));
    // Names that look like switches are paths all the same; "/debug" is
    // absolute and so stays the switch it is.
    EXPECT_EQ(AbsolutePath(QStringLiteral("-reverse"), base),
              QStringLiteral("/home/u/dir/-reverse"));
    EXPECT_EQ(AbsolutePath(QStringLiteral("/debug"), base), QStringLiteral("/debug"));
    EXPECT_EQ(AbsolutePath(QString(), base), QString());
    // A byte that is not UTF-8 travels as its own code unit.
    const QString odd = QString(QChar(0xDC00 + 0xE9)) + QStringLiteral(".bin");
    EXPECT_EQ(AbsolutePath(odd, base), base + u'/' + odd);
}

TEST(AbsolutePathTest, ArgumentsAreTakenFromTheWorkingFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString here = WorkingFolder();
    const QStringList made = AbsolutePaths(
        {QStringLiteral("f.txt"), QStringLiteral("/abs/g.txt"), QStringLiteral("/DEBUG")});
    QDir::setCurrent(before);
    EXPECT_EQ(here, QDir(dir.path()).canonicalPath());
    EXPECT_EQ(made, QStringList({here + QStringLiteral("/f.txt"), QStringLiteral("/abs/g.txt"),
                                 QStringLiteral("/DEBUG")}));
}

TEST(ActivationTokenTest, OnlyWhatLaunchersMakeIsPassedOn) {
    EXPECT_TRUE(IsUsableToken(QStringLiteral("kwin-1234_TIME5678")));
    EXPECT_TRUE(IsUsableToken(QStringLiteral("gnome-shell/Linkmint/1234-0-host_TIME99")));
    EXPECT_FALSE(IsUsableToken(QString()));
    EXPECT_FALSE(IsUsableToken(QStringLiteral("two words")));
    EXPECT_FALSE(IsUsableToken(QStringLiteral("line\nbreak")));
    EXPECT_FALSE(IsUsableToken(QStringLiteral("caf\u00e9")));
    EXPECT_TRUE(IsUsableToken(QString(kMaxTokenUnits, u'a')));
    EXPECT_FALSE(IsUsableToken(QString(kMaxTokenUnits + 1, u'a')));

    qputenv("XDG_ACTIVATION_TOKEN", "wl-token");
    qputenv("DESKTOP_STARTUP_ID", "bad id");
    ActivationTokens tokens = ActivationTokensFromEnvironment();
    EXPECT_EQ(tokens.xdgActivation, QStringLiteral("wl-token"));
    EXPECT_TRUE(tokens.startupId.isEmpty());
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    EXPECT_TRUE(ActivationTokensFromEnvironment().IsEmpty());
}

TEST(ActivationTokenTest, StartupIdsOfX11) {
    EXPECT_EQ(StartupIdTimestamp(QStringLiteral("openbox-99-host-linkmint-0_TIME123456")),
              123456ul);
    EXPECT_EQ(StartupIdTimestamp(QStringLiteral("no-time")), 0ul);
    EXPECT_EQ(StartupIdTimestamp(QStringLiteral("x_TIMEnot")), 0ul);
    EXPECT_EQ(StartupRemoveMessage(QStringLiteral("abc_TIME1")),
              QByteArray("remove: ID=\"abc_TIME1\""));
    EXPECT_EQ(StartupRemoveMessage(QStringLiteral("q\"b\\s")),
              QByteArray("remove: ID=\"q\\\"b\\\\s\""));
}

TEST(DisplayChoiceTest, WaylandAloneIsChosenAndNoDisplayIsSaid) {
    struct Case {
        const char* platform;
        const char* wayland;
        const char* x11;
        bool none;
        const char* chosen;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, true, ""},
        {nullptr, "wayland-0", nullptr, false, "wayland"},
        {nullptr, nullptr, ":0", false, ""},
        {nullptr, "wayland-0", ":0", false, ""},  // Qt follows the session type
        {"offscreen", nullptr, nullptr, false, ""},
    };
    for (const Case& c : cases) {
        for (const auto& [name, value] :
             {std::pair{"QT_QPA_PLATFORM", c.platform}, std::pair{"WAYLAND_DISPLAY", c.wayland},
              std::pair{"DISPLAY", c.x11}}) {
            if (value != nullptr) {
                qputenv(name, value);
            } else {
                qunsetenv(name);
            }
        }
        qunsetenv("WAYLAND_SOCKET");
        const DisplayChoice choice = ChooseDisplay();
        EXPECT_EQ(choice.none, c.none);
        EXPECT_EQ(choice.platform, QByteArray(c.chosen));
    }
    EXPECT_TRUE(NoDisplayMessage().endsWith('\n'));
    EXPECT_EQ(NoDisplayMessage().count('\n'), 1);
    qputenv("DISPLAY", ":5");
    EXPECT_TRUE(DisplayFailedMessage().contains("DISPLAY=:5"));
    EXPECT_EQ(DisplayFailedMessage().count('\n'), 1);
}

}  // namespace
}  // namespace lm
