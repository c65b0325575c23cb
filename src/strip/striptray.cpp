#include "strip/striptray.h"

#include "strip/tray/qttrayshell.h"

namespace velmaro {

std::unique_ptr<TTextTrayIcon> makeStripTrayIcon(QWidget* strip, QMenu* menu, const QIcon& image)
{
    auto shell = std::make_unique<QtTrayShell>(strip);
    shell->setPopupMenu(menu);
    auto icon = std::make_unique<TTextTrayIcon>(std::move(shell));
    // Font and border come first and draw a text icon; the icon list then replaces it
    // with its image 0, so the text leaves no trace.
    icon->SetFont(TrayFont{});
    icon->SetBorder(false);
    icon->SetIconList({QtTrayShell::image(image)});
    icon->SetIconIndex(0);
    icon->SetHint(QStringLiteral("Velmaro"));
    icon->SetLeftPopup(true);
    icon->SetIconVisible(true);
    icon->Loaded();
    return icon;
}

} // namespace velmaro
