// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/settingsondemand.h"

#include "settings/launchers.h"
#include "settings/settingsdialog.h"
#include "settings/settingssteps.h"

namespace velmaro {

SettingsOnDemand::SettingsOnDemand(const SettingsServices& services, QWidget* dialogParent)
    : m_services(services), m_dialogParent(dialogParent)
{
}

// A dialog with a parent window is deleted with it.
SettingsOnDemand::~SettingsOnDemand()
{
    if (m_dialog && !m_dialog->parent())
        delete m_dialog.data();
}

void SettingsOnDemand::startupPass()
{
    // The settings as a new dialog's controls would hold and give them back.
    const SettingsServices& s = m_services;
    StartupSettings form = shownRecord();
    showBackgroundOnLoad(form, s.memory, s.host, s.messages);
    for (int row = 0; row < kLauncherCount; ++row)
        extractLauncherIcon(form, row, s.images, true);
    refreshLauncherToolbar(form, s.host, s.images);
    confirmSettings(form, {s.store, s.memory, s.host, s.images, s.messages, false, {}, {}});
    m_passRan = true;
}

StartupSettings SettingsOnDemand::shownRecord() const
{
    const SettingsServices& s = m_services;
    const StripMetrics strip = s.host.stripMetrics();
    StartupSettings form;
    fillCustomFields(s.memory, form);
    loadAllSettings(s.memory, strip, installedFaces(), form);
    fitToControls(form, widthBoxMinimum(strip));
    return form;
}

void SettingsOnDemand::setCustomFields(const QString& web, const QString& email,
                                       const QString& message)
{
    m_custom = CustomFields{web, email, message};
    if (m_dialog)
        m_dialog->setCustomFields(web, email, message);
}

void SettingsOnDemand::launcherClick(int n)
{
    if (m_dialog) {
        m_dialog->launcherClick(n);
        return;
    }
    if (m_passRan && n >= 1 && n <= kLauncherCount)
        startLauncher(m_services.memory.launchers[n - 1], m_services.shell, m_services.messages);
}

int SettingsOnDemand::exec()
{
    return dialog().exec();
}

TfrmAllConfig& SettingsOnDemand::dialog()
{
    if (!m_dialog) {
        m_dialog = new TfrmAllConfig(m_services, m_dialogParent);
        if (m_passRan)
            m_dialog->showRecord(shownRecord());
        if (m_custom)
            m_dialog->setCustomFields(m_custom->web, m_custom->email, m_custom->message);
        connect(m_dialog, &TfrmAllConfig::customFieldsChanged, this,
                &SettingsOnDemand::customFieldsChanged);
    }
    return *m_dialog;
}

} // namespace velmaro
