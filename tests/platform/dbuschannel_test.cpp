// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/dbuschannel.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace velmaro::platform;

// The written-out introspection is what gdbus and d-feet show: it must parse, name
// every argument and offer each method once (an overload makes gdbus warn).
TEST(DBusChannelTest, IntrospectionNamesEveryArgumentAndHasNoOverloads)
{
    QXmlStreamReader xml(QStringLiteral("<node>") + DBusInstanceServer::introspection() +
                         QStringLiteral("</node>"));
    QStringList members;
    QString member;
    QStringList args; // "member:direction:type:name"
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"method" || xml.name() == u"signal" || xml.name() == u"property") {
            member = a.value(QLatin1String("name")).toString();
            members << member;
        } else if (xml.name() == u"arg") {
            EXPECT_FALSE(a.value(QLatin1String("name")).isEmpty()) << member.toStdString();
            args << QStringList{member, a.value(QLatin1String("direction")).toString(),
                                a.value(QLatin1String("type")).toString(),
                                a.value(QLatin1String("name")).toString()}
                        .join(u':');
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(members, QStringList({"NewNote", "AddNote", "ListNotes", "Toggle", "Show", "Hide",
                                    "Quit", "NotesChanged", "Visible"}));
    EXPECT_EQ(args, QStringList({"AddNote:in:s:text", "AddNote:in:s:priority", "AddNote:in:s:alarm",
                                 "AddNote:in:s:sound", "AddNote:in:b:force", "AddNote:out:i:number",
                                 "ListNotes:out:aa{sv}:notes"}));
}
