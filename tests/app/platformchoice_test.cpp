// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/platformchoice.h"

#include "platform/fake/fakeenvironment.h"

#include <gtest/gtest.h>

using velmaro::chooseQtPlatform;
using velmaro::PlatformArguments;
using velmaro::platform::FakeEnvironment;

namespace {

struct Case {
    const char* what;
    QHash<QString, QString> vars;
    const char* expected;
};

} // namespace

TEST(PlatformChoice, XWaylandOnlyForAWaylandSessionWithAnXServerAndNoChoiceOfTheUser)
{
    // Only the socket of display 0 exists.
    const auto exists = [](const QString& path) { return path == u"/tmp/.X11-unix/X0"; };
    const Case cases[] = {
        {"wayland display and X server",
         {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}},
         "xcb"},
        {"session type only, screen number",
         {{"XDG_SESSION_TYPE", "Wayland"}, {"DISPLAY", ":0.0"}},
         "xcb"},
        {"unix form", {{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", "unix:0"}}, "xcb"},
        {"remote display cannot be looked at",
         {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", "host:10.0"}},
         "xcb"},
        {"the user's choice wins",
         {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
         ""},
        {"no X server socket", {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":1"}}, ""},
        {"no DISPLAY (no XWayland)", {{"WAYLAND_DISPLAY", "wayland-0"}}, ""},
        {"an X11 session is left to Qt", {{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}}, ""},
        {"nothing set", {}, ""},
    };
    for (const Case& c : cases) {
        FakeEnvironment env;
        env.vars = c.vars;
        EXPECT_EQ(chooseQtPlatform(env, exists), QString::fromLatin1(c.expected)) << c.what;
    }
}

TEST(PlatformChoice, ArgumentsGainThePlatformUnlessTheyNameOne)
{
    char prog[] = "velmaro";
    char opt[] = "-platform";
    char name[] = "wayland";
    char* plain[] = {prog, nullptr};
    char* chosen[] = {prog, opt, name, nullptr};

    PlatformArguments added(1, plain, QStringLiteral("xcb"));
    ASSERT_EQ(added.argc(), 3);
    EXPECT_STREQ(added.argv()[0], "velmaro");
    EXPECT_STREQ(added.argv()[1], "-platform");
    EXPECT_STREQ(added.argv()[2], "xcb");
    EXPECT_EQ(added.argv()[3], nullptr);

    PlatformArguments kept(3, chosen, QStringLiteral("xcb"));
    ASSERT_EQ(kept.argc(), 3);
    EXPECT_STREQ(kept.argv()[2], "wayland");

    PlatformArguments none(1, plain, QString());
    EXPECT_EQ(none.argc(), 1);
    EXPECT_EQ(none.argv()[1], nullptr);
}
