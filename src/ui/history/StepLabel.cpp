#include "ui/history/StepLabel.h"

#include "history/StepSubject.h"
#include "texts/HistoryTexts.h"

#include <QFileInfo>

namespace torvana {

namespace {

QString Text(HistoryText text, int languageIndex)
{
    return QString::fromStdString(HistoryTextFor(text, languageIndex));
}

// What an edit or tool changed, named as the tuner sees it.
QString SubjectText(const HistoryStep& step, int languageIndex)
{
    const StepSubject subject = DescribeChange(step.before, step.after);
    if (subject.cell) {
        return QStringLiteral("%1 %2 %3 %, %4 rpm")
            .arg(QString::fromUtf8(CurveTableName(subject.cell->table).data()), Text(HistoryText::Row, languageIndex))
            .arg(subject.cell->tpsPercent)
            .arg(subject.cell->rpm);
    }
    if (subject.flagsOnly) {
        return Text(HistoryText::AllMarks, languageIndex);
    }
    if (subject.key) {
        const QString key = QString::fromUtf8(subject.key->name.data(), static_cast<qsizetype>(subject.key->name.size()));
        return subject.element ? QStringLiteral("%1[%2]").arg(key).arg(*subject.element) : key;
    }
    return QStringLiteral("%1 %2").arg(subject.parameters).arg(Text(HistoryText::Parameters, languageIndex));
}

}  // namespace

QString CauseText(StepCause cause, int languageIndex)
{
    const auto first = static_cast<int>(HistoryText::CauseEdit);
    return Text(static_cast<HistoryText>(first + static_cast<int>(cause)), languageIndex);
}

QString StepLabel(const HistoryStep& step, int languageIndex)
{
    switch (step.cause) {
    case StepCause::Edit: return SubjectText(step, languageIndex);
    case StepCause::Tool:
    case StepCause::Mode:
        return QStringLiteral("%1: %2").arg(CauseText(step.cause, languageIndex), SubjectText(step, languageIndex));
    default: break;
    }
    const QString cause = CauseText(step.cause, languageIndex);
    if (step.detail.empty()) {
        return cause;
    }
    return QStringLiteral("%1 %2").arg(cause, QFileInfo(QString::fromStdString(step.detail)).fileName());
}

QString UndoRedoCaption(bool undo, const HistoryStep* step, int languageIndex)
{
    const QString verb = Text(undo ? HistoryText::Undo : HistoryText::Redo, languageIndex);
    if (!step) {
        return verb;
    }
    // An ampersand in a file name must not become an accelerator.
    QString label = StepLabel(*step, languageIndex);
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("%1: %2").arg(verb, label);
}

}  // namespace torvana
