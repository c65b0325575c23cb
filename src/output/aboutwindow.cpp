// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/aboutwindow.h"

#include "notes/codec.h"
#include "output/helpwindow.h"
#include "output/links.h"
#include "output/picturefit.h"
#include "session/startupsettings.h"
#include "ui_aboutwindow.h"
#include "widgets/centring.h"
#include "widgets/pictureloader.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <optional>

namespace velmaro {

namespace {

constexpr int kLogoFrames = 12;
constexpr int kLogoSize = 64;

// The picture of a file, its reader chosen by the name's extension; nullopt when the
// file does not exist, an empty image when it exists and does not load.
std::optional<QImage> readPicture(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return loadPicture(path);
}

// One frame of the maker's logo: a "V" inside a ring whose bright arc turns.
QPixmap logoFrame(int frame)
{
    QPixmap pm(kLogoSize, kLogoSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(6, 6, kLogoSize - 12, kLogoSize - 12);
    p.setPen(QPen(QColor(0, 0, 128), 5));
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(255, 200, 0), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, -frame * 360 * 16 / kLogoFrames, 90 * 16);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(0, 0, kLogoSize, kLogoSize), Qt::AlignCenter, QStringLiteral("V"));
    return pm;
}

} // namespace

QString customInvitation()
{
    return TAboutBox::tr("Si deseas hacer una instalación personalizada para distribuir a tus "
                         "amigos, escribanos un email a %1. Gracias")
        .arg(makerEmail());
}

TAboutBox::TAboutBox(OpenLink openLink, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TAboutBox>()), m_openLink(std::move(openLink))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(627, 491);

    QFont name = ui->ProductName->font();
    name.setPixelSize(32);
    name.setBold(true);
    ui->ProductName->setFont(name);
    ui->lblMakerName->setText(makerShortName());
    ui->lblMakerLink->setText(makerShortName());
    ui->btnMakerMail->setToolTip(makerEmail());
    for (QLabel* l : {ui->lblCustomLink, ui->lblCustomSent, ui->lblMakerName, ui->lblMakerLink})
        l->setTextFormat(Qt::PlainText);
    ui->lblCustomLink->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    // The square drawing as high as its frame, drawn at build time: centred in the
    // box at its own size, not stretched across it.
    ui->imgCustom->setScaledContents(false);
    ui->imgCustom->setPixmap(builtInPicture(QStringLiteral("aboutpicture80")));

    m_logoTimer = new QTimer(this);
    m_logoTimer->setInterval(120);
    connect(m_logoTimer, &QTimer::timeout, this, &TAboutBox::nextLogoFrame);
    nextLogoFrame();

    onClick(ui->imgCustom, &TAboutBox::customLinkClick);
    onClick(ui->lblCustomLink, &TAboutBox::customLinkClick);
    onClick(ui->lblMakerName, &TAboutBox::customLinkClick);
    onClick(ui->imgMakerLogo, &TAboutBox::makerLogoClick);
    onClick(ui->lblMakerLink, &TAboutBox::makerLogoClick);
    connect(ui->btnCustom, &QPushButton::clicked, this, &TAboutBox::btnCustomClick);
    connect(ui->btnMakerMail, &QPushButton::clicked, this, &TAboutBox::makerMailClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::close);

    centreOnScreen(*this, QGuiApplication::primaryScreen());
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::loadCustomPicture(const QString& folder)
{
    QImage picture;
    for (const QString& base : {QStringLiteral("logo1"), QStringLiteral("logo2")}) {
        for (const QString& ext : {QStringLiteral(".bmp"), QStringLiteral(".jpg")}) {
            const std::optional<QImage> read = readPicture(folder + QLatin1Char('/') + base + ext);
            if (!read)
                continue;
            if (read->isNull())
                return; // exists but does not load: no more names, no resizing
            picture = *read;
            ui->imgCustom->setPixmap(QPixmap::fromImage(picture));
            break;
        }
    }
    if (picture.isNull())
        return;
    const QSize box = fitKeepingProportions(ui->imgCustom->size(), picture.size());
    const int left = (ui->pnlCustom->width() - box.width()) / 2;
    ui->imgCustom->setGeometry(left, ui->imgCustom->y(), box.width(), box.height());
    ui->imgCustom->setScaledContents(true);
    ui->imgCustom->show();
}

QString TAboutBox::showCustom(const QString& web, const QString& email, const QString& message)
{
    ui->imgCustom->setToolTip(web);
    ui->lblCustomLink->setText(web);
    ui->lblCustomLink->setToolTip(web);
    const QString shown = message.isEmpty() ? customInvitation() : message;
    // A label breaks lines at LF; the CR of each decoded pair would show as a box.
    ui->lblCustomSent->setText(
        decodeLineBreaks(shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ui->lblCustomSent->setToolTip(web);
    ui->btnCustom->setToolTip(email);
    m_email = email;
    return shown;
}

void TAboutBox::customLinkClick()
{
    m_openLink(ui->lblCustomLink->text());
}

void TAboutBox::btnCustomClick()
{
    m_openLink(mailAddressLink(m_email));
}

void TAboutBox::makerLogoClick()
{
    m_openLink(makerWeb());
}

void TAboutBox::makerMailClick()
{
    m_openLink(mailAddressLink(makerEmail()));
}

void TAboutBox::nextLogoFrame()
{
    m_logoFrame = (m_logoFrame + 1) % kLogoFrames;
    ui->imgMakerLogo->setPixmap(logoFrame(m_logoFrame));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    m_logoTimer->start();
    QDialog::showEvent(event);
}

void TAboutBox::hideEvent(QHideEvent* event)
{
    m_logoTimer->stop();
    QDialog::hideEvent(event);
}

void TAboutBox::onClick(QLabel* label, void (TAboutBox::*slot)())
{
    label->installEventFilter(this);
    m_clicks.emplace_back(label, slot);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (const auto& [label, slot] : m_clicks) {
            if (label == watched) {
                (this->*slot)();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmaro
