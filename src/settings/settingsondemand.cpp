#include "settings/settingsondemand.h"

#include "settings/launchers.h"
#include "settings/settingsdialog.h"
#include "settings/settingssteps.h"

namespace velmaro {

SettingsOnDemand::SettingsOnDemand(SettingsStore& store, StartupSettings& memory,
                                   SettingsHost& host, CommandImages& images,
                                   platform::ShellStart& shell, platform::Messages& messages,
                                   QWidget* dialogParent)
    : m_store(store), m_memory(memory), m_host(host), m_images(images), m_shell(shell),
      m_messages(messages), m_dialogParent(dialogParent)
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
    // The record a new dialog's controls hold, loaded and given back by them.
    AllSettings form;
    fillCustomFields(m_memory, form);
    loadAllSettings(m_store, m_memory, m_host.stripMetrics(), installedFaces(), form);
    fitToControls(form);
    showBackgroundOnLoad(form, m_memory, m_host, m_messages);
    for (int row = 0; row < kLauncherCount; ++row)
        extractLauncherIcon(form, row, m_images, true);
    refreshLauncherToolbar(form, m_host, m_images);
    confirmSettings(form, {m_store, m_memory, m_host, m_images, m_messages, false, {}, {}});
    m_passForm = form;
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
    if (m_passForm && n >= 1 && n <= kLauncherCount)
        startLauncher(m_passForm->launchers[n - 1], m_shell, m_messages);
}

int SettingsOnDemand::exec()
{
    return dialog().exec();
}

TfrmAllConfig& SettingsOnDemand::dialog()
{
    if (!m_dialog) {
        m_dialog = new TfrmAllConfig(m_store, m_memory, m_host, m_images, m_shell, m_messages,
                                     m_dialogParent);
        if (m_passForm)
            m_dialog->showRecord(*m_passForm);
        if (m_custom)
            m_dialog->setCustomFields(m_custom->web, m_custom->email, m_custom->message);
        connect(m_dialog, &TfrmAllConfig::customFieldsChanged, this,
                &SettingsOnDemand::customFieldsChanged);
    }
    return *m_dialog;
}

} // namespace velmaro
