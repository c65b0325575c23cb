// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip window's colours and pictures: background colour, logo and the
// background picture behind the note lines.

#include "strip/stripwindow.h"

#include "strip/backgroundlayout.h"
#include "strip/notelinespanel.h"
#include "strip/stripheader.h"
#include "widgets/pictureloader.h"
#include "widgets/wincolor.h"

#include <QLabel>

namespace velmaro {

void TForm1::applyBackgroundColor()
{
    const QColor back = toQColor(m_session.settings().backColor, palette(), QPalette::Window);
    for (QFrame* panel : {static_cast<QFrame*>(pnlHeader), static_cast<QFrame*>(pnlSentences)}) {
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, back);
        panel->setPalette(pal);
    }
}

void TForm1::loadLogo(const QString& baseName)
{
    pnlHeader->loadLogo(m_session.paths().perUserFolder, baseName);
}

int TForm1::backgroundImageHeight() const
{
    return pnlSentences->backgroundImage()->height();
}

void TForm1::drawImage()
{
    const StartupSettings& s = m_session.settings();
    const layout::BackgroundMode mode = layout::backgroundMode(s.backImageMode);
    if (mode == layout::BackgroundMode::Empty) {
        hideBackgroundImage();
        return;
    }
    if (!layOutBackground(s.backImageMode, s.backImagePath))
        m_services.messages.error(mode == layout::BackgroundMode::Adjust
                                      ? tr("No se pudo abrir la imágen de fondo (ajuste)")
                                      : tr("No se pudo abrir la imágen de fondo (proporcional)"));
}

bool TForm1::showBackgroundImage(const QString& mode, const QString& file)
{
    if (layout::backgroundMode(mode) == layout::BackgroundMode::Empty) {
        hideBackgroundImage();
        return true;
    }
    if (layOutBackground(mode, file))
        return true;
    hideBackgroundImage();
    return false;
}

void TForm1::layoutBackgroundImage()
{
    drawImage();
}

void TForm1::hideBackgroundImage()
{
    pnlSentences->backgroundImage()->hide();
}

bool TForm1::layOutBackground(const QString& modeWord, const QString& file)
{
    QLabel* image = pnlSentences->backgroundImage();
    const bool adjust = layout::backgroundMode(modeWord) == layout::BackgroundMode::Adjust;
    // The proportional layout lets go of the panel before it loads.
    if (!adjust)
        pnlSentences->setBackgroundAligned(false);
    const QImage picture = loadPicture(file);
    if (picture.isNull())
        return false;
    if (adjust) {
        image->setPixmap(QPixmap::fromImage(picture));
        pnlSentences->setBackgroundAligned(true);
    } else {
        const std::optional<QSize> size = layout::proportionalSize(picture.size(), width());
        if (!size)
            return false;
        image->setPixmap(QPixmap::fromImage(picture));
        image->setGeometry(0, 0, size->width(), size->height());
    }
    image->show();
    // Below the note lines and their marks.
    image->lower();
    return true;
}

} // namespace velmaro
