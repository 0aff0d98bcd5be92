#include "ui/PortMenu.h"

#include "link/PortList.h"
#include "texts/LanguageTexts.h"
#include "texts/PortTexts.h"
#include "ui/Hint.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace torvana {

namespace {

constexpr int MarkSize = 16;
constexpr int MarkInset = 4;
const QColor MarkColour(0, 160, 0);
constexpr const char* DetailSeparator = " \u2014 ";

// A green dot: the device is there.
const QIcon& PresentMark()
{
    static const QIcon mark = [] {
        QPixmap dot(MarkSize, MarkSize);
        dot.fill(Qt::transparent);
        QPainter painter(&dot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(MarkColour);
        painter.drawEllipse(MarkInset, MarkInset, MarkSize - 2 * MarkInset, MarkSize - 2 * MarkInset);
        return QIcon(dot);
    }();
    return mark;
}

}  // namespace

void MarkComMenu(const std::array<QAction*, ComMenuItems>& items, const std::vector<ComPortPresence>& ports,
                 int languageIndex)
{
    const PortTexts texts = PortTextsFor(languageIndex);
    const std::string prefix = ComHintPrefix(languageIndex);
    for (std::size_t i = 0; i < items.size() && i < ports.size(); ++i) {
        const ComPortPresence& port = ports[i];
        const QString designed = QStringLiteral("%1 %2").arg(QString::fromStdString(prefix)).arg(port.number);
        if (!port.present) {
            items[i]->setIcon(QIcon());
            ApplyHint(items[i], designed);
            continue;
        }
        items[i]->setIcon(PresentMark());
        ApplyHint(items[i], designed + u'|' + designed + QString::fromUtf8(DetailSeparator)
                                + QString::fromStdString(DescribeComPort(port, texts)));
    }
}

QString SilenceHint(SilenceReason reason, int languageIndex)
{
    const PortTexts texts = PortTextsFor(languageIndex);
    switch (reason) {
    case SilenceReason::PortGone:
        return QString::fromStdString(texts.portGone);
    case SilenceReason::AnswersFailing:
        return QString::fromStdString(texts.badAnswers);
    case SilenceReason::NoAnswer:
        break;
    }
    return QString::fromStdString(texts.noAnswer);
}

}  // namespace torvana
