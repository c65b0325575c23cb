// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/listwindow.h"

#include "output/linktext.h"
#include "output/listdocument.h"
#include "output/printmodule.h"
#include "platform/logging.h"
#include "ui_listwindow.h"
#include "widgets/icontheme.h"
#include "widgets/moduleloader.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace velmaro {

namespace {

// Formats are set in points; the document measures in pixels at 96 per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr int kIndentPoints = 10;
constexpr int kSpaceBeforePoints = 20;

int pixelsToTwips(double pixels)
{
    return int(std::lround(pixels / kPixelsPerPoint * 20));
}

QIcon buttonIcon(const char* themeName, QStyle::StandardPixmap fallback)
{
    return themedIcon(QString::fromLatin1(themeName),
                      QApplication::style()->standardIcon(fallback));
}

} // namespace

TfrmPrint::TfrmPrint(platform::Messages& messages, platform::ShellStart& shellStart,
                     QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmPrint>()), m_messages(messages),
      m_shellStart(shellStart)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(615, 348);

    ui->SpeedButton1->setIcon(buttonIcon("document-save-as", QStyle::SP_DialogSaveButton));
    ui->SpeedButton2->setIcon(buttonIcon("edit-copy", QStyle::SP_FileDialogContentsView));
    ui->SpeedButton3->setIcon(buttonIcon("document-print", QStyle::SP_FileIcon));
    ui->btnCancel->setIcon(buttonIcon("window-close", QStyle::SP_DialogCancelButton));
    ui->lblCaption->setStyleSheet(QStringLiteral(
        "color: yellow; font-weight: bold; padding-left: 6px;"
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 black, stop:1 #000080);"));

    // untranslated: a font family name
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    ui->rchEdit->setFont(font);
    ui->rchEdit->document()->setDefaultFont(font);
    openLinksOnClick(ui->rchEdit, [this](const QString& link) {
        if (!m_shellStart.start(link))
            qCWarning(platform::lcLinks) << "Nothing started for" << link;
    });

    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmPrint::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TfrmPrint::SpeedButton2Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TfrmPrint::SpeedButton3Click);
    connect(ui->btnCancel, &QToolButton::clicked, this, &QDialog::close);
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::fill(const QString& listFileText)
{
    QTextDocument* doc = ui->rchEdit->document();
    ui->rchEdit->setPlainText(listWindowText(listFileText));

    QTextCursor c(doc);
    c.select(QTextCursor::Document);
    QTextBlockFormat indent;
    indent.setTextIndent(kIndentPoints * kPixelsPerPoint);
    c.mergeBlockFormat(indent);

    // The title and the line that was first before it was put above.
    QTextBlockFormat before;
    before.setTopMargin(kSpaceBeforePoints * kPixelsPerPoint);
    QTextBlock title = doc->begin();
    QTextCursor(title).mergeBlockFormat(before);
    if (title.next().isValid())
        QTextCursor(title.next()).mergeBlockFormat(before);

    QTextCursor t(title);
    t.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat strong;
    strong.setFontWeight(QFont::Bold);
    strong.setFontUnderline(true);
    t.mergeCharFormat(strong);
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    t.mergeBlockFormat(centre);

    markWebAddresses(doc);
    ui->rchEdit->moveCursor(QTextCursor::Start);
    doc->setModified(false);
}

RtfDocument TfrmPrint::rtfDocument() const
{
    RtfDocument rtf;
    const QTextDocument* doc = ui->rchEdit->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        RtfParagraph p;
        p.centred = (bf.alignment() & Qt::AlignHCenter) != 0;
        p.firstIndentTwips = pixelsToTwips(bf.textIndent());
        p.spaceBeforeTwips = pixelsToTwips(bf.topMargin());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            const bool bold = cf.fontWeight() >= QFont::Bold;
            const bool underline = cf.fontUnderline();
            // Links keep their text; neighbours of one look make one run.
            if (!p.runs.empty() && p.runs.back().bold == bold &&
                p.runs.back().underline == underline)
                p.runs.back().text += f.text();
            else
                p.runs.push_back({f.text(), bold, underline});
        }
        rtf.paragraphs.push_back(std::move(p));
    }
    return rtf;
}

bool TfrmPrint::saveTo(const QString& path)
{
    QByteArray bytes;
    if (path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
        QString text = ui->rchEdit->document()->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        // UTF-8 without a mark, whatever the notes hold: a saved file does not change
        // its encoding with its content (lista.txt keeps its own form).
        bytes = text.toUtf8();
    } else {
        bytes = writeRtf(rtfDocument());
    }
    // Replaced as a whole, so a failed write leaves the old file as it was.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        m_messages.error(f.errorString());
        return false;
    }
    return true;
}

QString TfrmPrint::askSaveFile()
{
    const QString rtfFilter = tr("Rich Text Files (*.RTF *.rtf)");
    const QString txtFilter = tr("Text Files (*.TXT *.txt)");
    // The documents folder at first, then wherever the person saved last.
    static QString lastFolder;
    if (lastFolder.isEmpty() || !QFileInfo(lastFolder).isDir())
        lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this);
    dialog.setDirectory(lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({rtfFilter, txtFilter});
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(filter == txtFilter ? QStringLiteral("txt")
                                                    : QStringLiteral("rtf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

void TfrmPrint::SpeedButton1Click()
{
    const QString path = chooseSaveFile ? chooseSaveFile() : askSaveFile();
    if (!path.isEmpty())
        saveTo(path);
}

void TfrmPrint::SpeedButton2Click()
{
    ui->rchEdit->selectAll();
    const QTextDocument* doc = ui->rchEdit->document();
    auto* data = new QMimeData;
    data->setHtml(doc->toHtml());
    data->setText(doc->toPlainText());
    data->setData(QStringLiteral("text/rtf"), writeRtf(rtfDocument()));
    QApplication::clipboard()->setMimeData(data);
}

const QTextDocument& TfrmPrint::document() const
{
    return *ui->rchEdit->document();
}

void TfrmPrint::SpeedButton3Click()
{
    static Module module(QStringLiteral("libvelmaro_print.so"), {printing::kPrintWithDialog});
    if (!module.load()) {
        m_messages.error(module.errorString());
        return;
    }
    const QString jobTitle = tr("Imprimiendo desde Velmaro");
    module.entry<printing::PrintWithDialog>(printing::kPrintWithDialog)(ui->rchEdit->document(),
                                                                        &jobTitle, this);
}

TfrmPrint* prepareListing(const SettingsStore& store, int noteCount, const QString& listFile,
                          platform::Messages& messages, platform::ShellStart& shellStart,
                          QWidget* parent)
{
    QString text;
    try {
        writeListFile(listFile, encodeListText(listText(store, noteCount)));
        text = readListFile(listFile);
        // The file keeps its one form; the reader's document speaks the reader's language.
        if (const QString label = readerAlarmLabel(); label != QStringLiteral("Alarma: "))
            text = listText(store, noteCount, label);
    } catch (const ListFileError& e) {
        messages.error(e.message());
        return nullptr;
    }
    auto* window = new TfrmPrint(messages, shellStart, parent);
    window->fill(text);
    return window;
}

void listAll(const SettingsStore& store, int noteCount, const QString& listFile,
             platform::Messages& messages, platform::ShellStart& shellStart, QWidget* parent)
{
    QPointer<TfrmPrint> window =
        prepareListing(store, noteCount, listFile, messages, shellStart, parent);
    if (!window)
        return;
    window->exec();
    // However it closed, nothing of this listing is kept.
    delete window.data();
}

} // namespace velmaro
