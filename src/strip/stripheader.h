// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip's header pnlHeader: the logo Image2, the about picture Image1, the search
// box edtSearchStr and its button btnSearch, laid out for the strip's width.

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace velmaro {

class ClickLabel;

class StripHeader : public QFrame {
    Q_OBJECT
public:
    explicit StripHeader(QWidget* parent);

    ClickLabel* logo() const { return Image2; }
    ClickLabel* aboutImage() const { return Image1; }
    QLineEdit* searchBox() const { return edtSearchStr; }
    // Puts the prompt back in the search box, its start in sight where it is cut.
    void showSearchPrompt();
    QPushButton* searchButton() const { return btnSearch; }

    // Header width, about picture, search button and search box for a strip width.
    void layoutForWidth(int stripWidth);

    // The logo from `folder`: baseName.bmp, else baseName.jpg, fitted into its box with
    // its proportions; hidden when neither can be loaded.
    void loadLogo(const QString& folder, const QString& baseName);

signals:
    void logoClicked();
    void aboutClicked();
    void searchClicked();

private:
    ClickLabel* Image2 = nullptr;
    ClickLabel* Image1 = nullptr;
    QLineEdit* edtSearchStr = nullptr;
    QPushButton* btnSearch = nullptr;
};

} // namespace velmaro
