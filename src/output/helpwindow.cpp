// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/helpwindow.h"

#include "output/links.h"
#include "platform/logging.h"
#include "session/startupsettings.h"
#include "ui_helpwindow.h"
#include "widgets/centring.h"
#include "widgets/pictureloader.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace velmaro {

namespace {

QStringList helpLines()
{
    return {
        TfrmHelp::tr(
            "Esta versión de Velmaro ha sido desarrollada para que resulte fácil de usar."),
        TfrmHelp::tr("Si tiene dudas sobre la utilidad de un botón o de un ingreso de datos"),
        TfrmHelp::tr("determinado, solamente debe dejar el mouse sobre el mismo unos segundos"),
        TfrmHelp::tr("y aparecerá sobre el mismo una leyenda que indica su utilidad."),
        QString(),
        TfrmHelp::tr("Igualmente, estamos dispuestos a contestar todas sus preguntas en "),
        TfrmHelp::tr("%1, y también podrá disponer de mucha información en nuestras ")
            .arg(makerEmail()),
        TfrmHelp::tr("páginas en %1").arg(makerWeb()),
        QString(),
        TfrmHelp::tr("Muchas Gracias por usar Velmaro."),
        QString(),
        QString(60, QLatin1Char(' ')) + makerShortName(),
        QString(),
        QString(),
        QString(),
    };
}

QFont titleFont(int pixels, const QString& colour, QLabel* label)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(true);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour)); // untranslated: a style
    return f;
}

} // namespace

QString makerShortName()
{
    QString name = makerWeb();
    for (const QString& scheme : {QStringLiteral("http://"), QStringLiteral("https://")}) {
        if (name.startsWith(scheme, Qt::CaseInsensitive))
            name.remove(0, scheme.size());
    }
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name;
}

TfrmHelp::TfrmHelp(platform::ShellStart& shellStart, OpenLink openLink, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmHelp>()), m_shellStart(shellStart),
      m_openLink(std::move(openLink))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(508, 263);
    ui->lblTitle->setFont(titleFont(48, QStringLiteral("fuchsia"), ui->lblTitle));
    ui->lblBienvenido->setFont(titleFont(32, QStringLiteral("blue"), ui->lblBienvenido));
    ui->ProgramIcon->setPixmap(builtInPicture(QStringLiteral("help33")));
    ui->ProgramIcon->installEventFilter(this);
    ui->SpeedButton1->setToolTip(makerEmail());

    // Black on the silver ground whatever the desktop's text colour: a dark desktop's
    // light text would not read on it.
    ui->RxRichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { background-color: silver; color: black; }"));
    ui->RxRichEdit1->setPlainText(helpLines().join(QLatin1Char('\n')));
    markWebAddresses(ui->RxRichEdit1->document());
    openLinksOnClick(ui->RxRichEdit1, [this](const QString& link) {
        if (!m_shellStart.start(link))
            qCWarning(platform::lcLinks) << "Nothing started for" << link;
    });

    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TfrmHelp::SpeedButton1Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    centreOnScreen(*this, QGuiApplication::primaryScreen());
}

TfrmHelp::~TfrmHelp() = default;

void TfrmHelp::welcome()
{
    ui->lblBienvenido->show();
    exec();
}

void TfrmHelp::SpeedButton1Click()
{
    m_openLink(mailAddressLink(makerEmail()));
}

void TfrmHelp::ProgramIconClick()
{
    m_openLink(makerWeb());
}

void TfrmHelp::hideEvent(QHideEvent* event)
{
    // However the window closed, the greeting is for the first start only.
    ui->lblBienvenido->hide();
    QDialog::hideEvent(event);
}

bool TfrmHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->ProgramIcon && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ProgramIconClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmaro
