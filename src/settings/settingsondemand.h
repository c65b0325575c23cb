// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The settings dialog as the program holds it: the start-up pass runs on the stored
// settings without it, and the dialog itself (some sixty controls and the list of
// installed faces) is made when the user first opens it or the strip's launcher
// buttons need its rows.

#include "settings/allsettings.h"
#include "settings/settingssteps.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace velmaro {

class TfrmAllConfig;

class SettingsOnDemand : public QObject {
    Q_OBJECT
public:
    SettingsOnDemand(const SettingsServices& services, QWidget* dialogParent);
    ~SettingsOnDemand() override;

    // Settings load, launcher toolbar refresh and settings confirm, as the dialog runs
    // them hidden, on the stored settings.
    void startupPass();
    // The custom fields as the about window settled them; the dialog shows them.
    void setCustomFields(const QString& web, const QString& email, const QString& message);
    // Launcher n (1..3) as its row stands: the dialog's row once the dialog exists,
    // else the row in memory once the start-up pass has run.
    void launcherClick(int n);
    // Opens the dialog modally; made at its first opening.
    int exec();

    TfrmAllConfig& dialog();
    bool hasDialog() const { return !m_dialog.isNull(); }

signals:
    // The custom fields were stored (OK with the dialog showing).
    void customFieldsChanged();

private:
    SettingsServices m_services;
    QWidget* m_dialogParent;
    // The settings in memory as a new dialog's controls show them.
    StartupSettings shownRecord() const;

    bool m_passRan = false;
    struct CustomFields {
        QString web, email, message;
    };
    std::optional<CustomFields> m_custom;
    QPointer<TfrmAllConfig> m_dialog;
};

} // namespace velmaro
