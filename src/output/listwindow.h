// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The list window (TfrmPrint): every note under a title line, to save, copy or print.
// Made anew for every listing and destroyed when it closes.

#include "output/rtfwriter.h"
#include "platform/messages.h"
#include "platform/shellstart.h"

#include <QDialog>

#include <functional>
#include <memory>

class QTextDocument;

namespace Ui {
class TfrmPrint;
}

namespace velmaro {

class SettingsStore;

class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    TfrmPrint(platform::Messages& messages, platform::ShellStart& shellStart,
              QWidget* parent = nullptr);
    ~TfrmPrint() override;

    // The document: the title, bold, underlined and centred, above the list file's
    // lines; a first-line indent everywhere, space before the title and the first line.
    void fill(const QString& listFileText);

    // Plain text (CR LF) for a name ending in ".txt" in any letter case, RTF otherwise.
    // A failed write shows its message; false then.
    bool saveTo(const QString& path);
    // What the window shows and prints (printing::printDocument, with the job's title).
    const QTextDocument& document() const;
    RtfDocument rtfDocument() const;

    // The save chooser; tests replace it. An empty name means cancelled.
    std::function<QString()> chooseSaveFile;

public slots:
    void SpeedButton1Click(); // save
    void SpeedButton2Click(); // copy
    // Print: the print dialog, then the printer chosen; the printing module is loaded
    // at the first print, and when it cannot be, its reason is shown instead.
    void SpeedButton3Click();

private:
    QString askSaveFile();

    std::unique_ptr<Ui::TfrmPrint> ui;
    platform::Messages& m_messages;
    platform::ShellStart& m_shellStart;
};

// Writes the list file from the stored notes and makes the window over it; nullptr
// after showing the error when the file cannot be written or read back.
TfrmPrint* prepareListing(const SettingsStore& store, int noteCount, const QString& listFile,
                          platform::Messages& messages, platform::ShellStart& shellStart,
                          QWidget* parent);

// The list-all command: prepares the listing and shows it modally until it closes.
void listAll(const SettingsStore& store, int noteCount, const QString& listFile,
             platform::Messages& messages, platform::ShellStart& shellStart, QWidget* parent);

} // namespace velmaro
