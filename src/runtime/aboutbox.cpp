#include "aboutbox.h"

#include "builder/builddate.h"
#include "runtimeimage.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace qv::runtime {

QString markupToHtml(const QString& encoded)
{
    static const char* const kColours[] = {"#0000ff", "#00ff00", nullptr,   "#ff0000",
                                           "#000000", "#ff00ff", "#ffff00", "#00ffff"};
    QString html;
    bool inColour = false;
    for (const QChar ch : encoded) {
        const char16_t c = ch.unicode();
        switch (c) {
        case 1: html += QStringLiteral("<b>"); break;
        case 2: html += QStringLiteral("<i>"); break;
        case 3: html += QStringLiteral("<u>"); break;
        case 4: html += QStringLiteral("<big>"); break;
        case 5: html += QStringLiteral("<small>"); break;
        case 6: html += QStringLiteral("</b>"); break;
        case 7: html += QStringLiteral("</i>"); break;
        case 8: html += QStringLiteral("</u>"); break;
        case 9: html += QStringLiteral("</big>"); break;
        case 10: html += QStringLiteral("</small>"); break;
        case 11:
        case 12:
        case 14:
        case 15:
        case 16:
        case 17:
        case 18:
            if (inColour)
                html += QStringLiteral("</span>");
            html +=
                QStringLiteral("<span style=\"color:%1\">").arg(QLatin1String(kColours[c - 11]));
            inColour = true;
            break;
        case 13: html += QStringLiteral("<br>"); break;
        case 19: html += QStringLiteral("<hr>"); break;
        case 20: html += QStringLiteral("<u><span style=\"color:#0000ff\">"); break;
        case 21: html += QStringLiteral("</span></u>"); break;
        default:
            if (c < 32)
                break;
            html += QString(ch).toHtmlEscaped();
        }
    }
    if (inColour)
        html += QStringLiteral("</span>");
    return html;
}

AboutBox::AboutBox(const AppData& data, QWidget* parent) : QDialog(parent)
{
    const QString title = QString::fromStdString(data.windowTitle);
    setWindowTitle(tr("About %1").arg(title));
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap::fromImage(applicationIcon()).scaled(64, 64));
    head->addWidget(icon);
    const VersionTexts versions = versionTexts();
    const QString product = versions.productName.isEmpty() ? title : versions.productName;
    auto* name = new QLabel(QStringLiteral("<big><b>%1</b></big>").arg(product.toHtmlEscaped()));
    head->addWidget(name, 1);
    layout->addLayout(head);

    auto* text = new QLabel(markupToHtml(QString::fromStdString(data.aboutText)));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    layout->addWidget(text);

    QStringList lines;
    auto add = [&](const QString& label, const QString& value) {
        if (!value.isEmpty())
            lines << QStringLiteral("%1: %2").arg(label, value.toHtmlEscaped());
    };
    add(tr("Company"), versions.companyName);
    add(tr("Description"), versions.fileDescription);
    add(tr("Copyright"), versions.legalCopyright);
    add(tr("Trademarks"), versions.legalTrademarks);
    add(tr("File"), versions.originalFilename);
    add(tr("Web"), QString::fromStdString(data.aboutAddress));
    const CivilDate built = DateOfBuildNumber(data.buildDate);
    add(tr("Built"), QDate(built.year, built.month, built.day).toString(Qt::ISODate));
    auto* details = new QLabel(lines.join(QStringLiteral("<br>")));
    details->setTextFormat(Qt::RichText);
    layout->addWidget(details);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

} // namespace qv::runtime
