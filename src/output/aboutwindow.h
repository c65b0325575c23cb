// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The about window (TAboutBox): product and maker, and the custom area whose picture,
// link, message and e-mail address the user sets.

#include "output/linktext.h"

#include <QDialog>

#include <memory>
#include <utility>
#include <vector>

class QLabel;
class QTimer;

namespace Ui {
class TAboutBox;
}

namespace velmaro {

// The custom message shown when the user has set none.
QString customInvitation();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Every link goes through `openLink`, the strip's link opening.
    explicit TAboutBox(OpenLink openLink, QWidget* parent = nullptr);
    ~TAboutBox() override;

    // logo1 then logo2 from the folder, ".bmp" before ".jpg", the later replacing the
    // earlier; fitted into the picture box keeping its proportions and centred. A file
    // that exists but does not load ends the search silently, the box left as it is.
    void loadCustomPicture(const QString& folder);

    // The custom link, message (stored form, line breaks as "?#") and e-mail address.
    // Returns the message shown, in stored form: the invitation when it was empty.
    QString showCustom(const QString& web, const QString& email, const QString& message);

public slots:
    void customLinkClick();
    void btnCustomClick();
    void makerLogoClick();
    void makerMailClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nextLogoFrame();
    void onClick(QLabel* label, void (TAboutBox::*slot)());

    std::unique_ptr<Ui::TAboutBox> ui;
    OpenLink m_openLink;
    QString m_email;
    QTimer* m_logoTimer = nullptr;
    int m_logoFrame = 0;
    std::vector<std::pair<QObject*, void (TAboutBox::*)()>> m_clicks;
};

} // namespace velmaro
