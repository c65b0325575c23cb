// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/notifier.h"

#include <QList>
#include <QStringList>

namespace velmaro::platform {

// Records what would have been posted; tests read it.
class RecordingNotifier final : public Notifier {
public:
    void notify(const QString& text, Urgency urgency) override
    {
        posted << text;
        urgencies << urgency;
    }
    void notifyAlarm(const QString& text, int tag, const QStringList& answerLabels) override
    {
        notify(text, Urgency::Critical);
        alarmTags << tag;
        labels = answerLabels;
    }
    QStringList posted;
    QList<Urgency> urgencies;
    QList<int> alarmTags;
    QStringList labels;
};

} // namespace velmaro::platform
