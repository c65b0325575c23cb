// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmanswer.h"

#include "notes/nearalarm.h"

namespace velmaro {

NoteResult postponeAlarmOneHour(NoteForm& form, int n, const QString& shownText, int markColor,
                                NoteFields& moved)
{
    form.openNote(n, shownText, markColor);
    moved = form.fields();
    if (!moved.alarm)
        return {};
    const PickerValues later = postpone({*moved.alarm, *moved.alarm}, true);
    moved.alarm = QDateTime(later.date.date(), later.time.time());
    return form.save(moved, form.warning(), NoteForm::Defaults::Leave);
}

NoteResult removeAlarm(NoteForm& form, int n, const QString& shownText, int markColor)
{
    form.openNote(n, shownText, markColor);
    NoteFields fields = form.fields();
    if (!fields.alarm)
        return {};
    fields.alarm.reset();
    return form.save(fields, form.warning(), NoteForm::Defaults::Leave);
}

} // namespace velmaro
