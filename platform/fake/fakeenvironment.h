// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/environment.h"

#include <QHash>

namespace velmaro::platform {

class FakeEnvironment final : public Environment {
public:
    QString variable(const char* name) const override
    {
        return vars.value(QString::fromLatin1(name));
    }
    QString homePath() const override { return home; }
    QString executablePath() const override { return executable; }
    QString documentsFolder() const override
    {
        return documents.isEmpty() ? home + QStringLiteral("/Documents") : documents;
    }

    QHash<QString, QString> vars;
    QString home;
    QString executable;
    QString documents;
};

} // namespace velmaro::platform
