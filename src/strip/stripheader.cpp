// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/stripheader.h"

#include "output/links.h"
#include "strip/backgroundlayout.h"
#include "strip/striplayout.h"
#include "strip/stripwidgets.h"
#include "widgets/pictureloader.h"

#include <QDir>
#include <QFileInfo>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace velmaro {

namespace {

QString aboutHint()
{
    return StripHeader::tr("Acerca de ... (y Mensajes)");
}

// The box edits text as every Linux text field does: select all, copy, paste, cut and
// undo keep their usual keys there, even Ctrl+A, which is the strip's about command
// elsewhere. Every other Ctrl key goes to the strip's commands first.
class StripKeysFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::ControlModifier || isTextEditingKey(key))
            return false;
        event->ignore();
        return true;
    }

private:
    static bool isTextEditingKey(const QKeyEvent* key)
    {
        for (const auto standard : {QKeySequence::SelectAll, QKeySequence::Copy,
                                    QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo}) {
            if (key->matches(standard))
                return true;
        }
        return false;
    }
};

} // namespace

StripHeader::StripHeader(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlHeader"));
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    setGeometry(0, 0, parent->width(), layout::kHeaderHeight);

    Image2 = new ClickLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(layout::kLogoLeft, layout::kLogoTop, layout::kLogoWidth,
                        layout::kLogoHeight);
    Image2->setScaledContents(true);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(aboutHint());
    Image2->hide();
    connect(Image2, &ClickLabel::clicked, this, &StripHeader::logoClicked);

    Image1 = new ClickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    // Drawn at build time at layout::kAboutSize.
    Image1->setPixmap(builtInPicture(QStringLiteral("aboutpicture30")));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(aboutHint());
    connect(Image1, &ClickLabel::clicked, this, &StripHeader::aboutClicked);

    edtSearchStr = new QLineEdit(this);
    edtSearchStr->setObjectName(QStringLiteral("edtSearchStr"));
    edtSearchStr->installEventFilter(new StripKeysFirst(edtSearchStr));
    // As a browser's address bar: the box takes the keys once the user clicks in it,
    // not whenever the strip is activated, so that the strip's Ctrl+A (about) works
    // until then.
    edtSearchStr->setFocusPolicy(Qt::ClickFocus);
    edtSearchStr->setToolTip(tr("Escriba la búsqueda aquí"));
    showSearchPrompt();
    edtSearchStr->setAccessibleName(edtSearchStr->toolTip());

    btnSearch = new QPushButton(QStringLiteral("G"), this);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    QFont searchFont(QStringLiteral("Castellar"));
    searchFont.setStyleHint(QFont::Serif);
    searchFont.setPixelSize(11);
    searchFont.setBold(true);
    btnSearch->setFont(searchFont);
    QPalette searchPalette = btnSearch->palette();
    searchPalette.setColor(QPalette::ButtonText, Qt::blue);
    btnSearch->setPalette(searchPalette);
    btnSearch->setToolTip(tr("Buscar en la Web"));
    // "G" is a picture of a letter: a screen reader says what it does.
    btnSearch->setAccessibleName(btnSearch->toolTip());
    connect(btnSearch, &QPushButton::clicked, this, &StripHeader::searchClicked);
}

void StripHeader::layoutForWidth(int w)
{
    Image1->setGeometry(layout::aboutImageLeft(w), layout::kAboutTop, layout::kAboutSize,
                        layout::kAboutSize);
    resize(w, layout::kHeaderHeight);
    const int buttonLeft = layout::searchButtonLeft(w);
    btnSearch->setGeometry(buttonLeft, layout::kSearchTop, layout::kSearchButtonSize,
                           layout::kSearchButtonSize);
    edtSearchStr->setGeometry(layout::kSearchBoxLeft, layout::kSearchTop,
                              layout::searchBoxWidth(buttonLeft), layout::kSearchHeight);
}

void StripHeader::loadLogo(const QString& folder, const QString& baseName)
{
    const QDir dir(folder);
    QString path = dir.filePath(baseName + QStringLiteral(".bmp"));
    if (!QFileInfo::exists(path))
        path = dir.filePath(baseName + QStringLiteral(".jpg"));
    QImage picture;
    if (QFileInfo::exists(path))
        picture = loadPicture(path);
    const std::optional<QSize> size = layout::logoSize(picture.width(), picture.height());
    if (!size) {
        Image2->hide();
        return;
    }
    Image2->setPixmap(QPixmap::fromImage(picture));
    Image2->setGeometry(layout::kLogoLeft, layout::kLogoTop, size->width(), size->height());
    Image2->show();
}

void StripHeader::showSearchPrompt()
{
    edtSearchStr->setText(searchPrompt());
    edtSearchStr->setCursorPosition(0);
}

} // namespace velmaro
