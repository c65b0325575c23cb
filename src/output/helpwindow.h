// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The help window (TfrmHelp): a short fixed help text, and at the first start a
// welcome.

#include "output/linktext.h"
#include "platform/shellstart.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmHelp;
}

namespace velmaro {

// The maker's web address without its scheme, as the help and about windows show it.
QString makerShortName();

class TfrmHelp : public QDialog {
    Q_OBJECT
public:
    // Links in the text go to the shell start; the e-mail button and the program icon
    // go through `openLink`, the strip's link opening.
    TfrmHelp(platform::ShellStart& shellStart, OpenLink openLink, QWidget* parent = nullptr);
    ~TfrmHelp() override;

    // The first start: the greeting shows and the window opens modally once.
    void welcome();

public slots:
    void SpeedButton1Click(); // e-mail to the maker
    void ProgramIconClick();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmHelp> ui;
    platform::ShellStart& m_shellStart;
    OpenLink m_openLink;
};

} // namespace velmaro
