// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Desktop notifications: a short message the desktop shows on its own, beside the
// strip's alarm colours and sound.

#include <QString>
#include <QStringList>

#include <functional>

namespace velmaro::platform {

class Notifier {
public:
    virtual ~Notifier() = default;
    // Normal: a message that may slide into the desktop's history. Critical: an alarm,
    // which stays on the screen until answered where the desktop honours that.
    enum class Urgency { Normal, Critical };
    // Posts `text` under the program's name and icon, without a sound of its own (the
    // alarm plays its sound). Returns at once; where the desktop has no notification
    // service nothing happens and nothing is reported.
    virtual void notify(const QString& text, Urgency urgency) = 0;

    // The person's answers to an alarm's notification.
    enum class Answer { Open, Postpone, RemoveAlarm };
    // An alarm's notification, critical. Where the desktop offers actions it carries
    // one per label of `answerLabels` (in the order of Answer; the first is also the
    // default action); an answer comes back through `answered` with `tag`. Without
    // actions it is a plain notification.
    virtual void notifyAlarm(const QString& text, int tag, const QStringList& answerLabels)
    {
        (void)tag;
        (void)answerLabels;
        notify(text, Urgency::Critical);
    }
    std::function<void(int tag, Answer answer)> answered;
};

} // namespace velmaro::platform
