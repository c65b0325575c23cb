// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The settings dialog TfrmAllConfig: the controls of one StartupSettings record, the
// start-up pass, the colour picker and the file choosers, the launcher rows and
// their icons. Made at its first opening (settingsondemand.h); opened modally from
// the strip.

#include "settings/allsettings.h"
#include "settings/settingssteps.h"

#include <QColor>
#include <QDialog>
#include <QIcon>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TfrmAllConfig;
}

namespace velmaro {

class TfrmAllConfig : public QDialog {
    Q_OBJECT
public:
    // Shows the picker on `initial`; nullopt when cancelled.
    using ColourPicker = std::function<std::optional<QColor>(const QColor& initial)>;
    // Shows a chooser with the title "Seleccione  el archivo a ejecutar"; the chosen
    // file's full path, or empty when cancelled.
    using FileChooser =
        std::function<QString(const QString& startFolder, const QStringList& nameFilters)>;

    explicit TfrmAllConfig(const SettingsServices& services, QWidget* parent = nullptr);
    ~TfrmAllConfig() override;

    // The controls show a record the start-up pass confirmed without the dialog, as
    // if the pass had run on them.
    void showRecord(const StartupSettings& form);
    // Fills edtWeb, edtMail and mmMsg (once, when the about window is created).
    void setCustomFields(const QString& web, const QString& email, const QString& message);
    // Launcher n (1..3) as its row stands: starts the file when the row is active.
    void launcherClick(int n);
    // The toolbar's launcher buttons from the rows.
    void launcherToolbarRefresh();

    void setColourPicker(ColourPicker picker) { m_pickColour = std::move(picker); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    static QStringList launcherFilters();
    static QStringList imageFilters();

signals:
    // The custom fields were stored (OK with the dialog showing): the about window
    // shows them anew.
    void customFieldsChanged();

public slots:
    void btnAceptarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settingsLoad();
    void showBackgroundOnLoad();
    void fillFontList();
    void showForm();
    StartupSettings readForm() const;
    void showSamples();
    void launcherIconExtraction(int row, bool replaceInList);
    void showLauncherPreview(int row, const QIcon& icon);

    std::optional<QColor> pickColour();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void browseLauncher(int row);
    void transparentReleased();
    void messageEdited();

    std::unique_ptr<Ui::TfrmAllConfig> ui;
    SettingsServices m_services;
    StartupSettings m_form;
    QStringList m_fontFaces;
    QString m_sampleFace;
    QColor m_lastColour = Qt::black;
    QString m_lastImageFolder;
    QString m_message;
    ColourPicker m_pickColour;
    FileChooser m_chooseFile;
};

} // namespace velmaro
