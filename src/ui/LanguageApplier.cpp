#include "ui/LanguageApplier.h"

#include "ui/Hint.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace torvana {

namespace {

// A tab page sits in the tab widget's stack; its caption is the tab's text.
QTabWidget* TabWidgetOf(QWidget* page)
{
    QWidget* stack = page->parentWidget();
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

void ApplyCaption(QObject* target, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* page = qobject_cast<QWidget*>(target)) {
        if (QTabWidget* tabs = TabWidgetOf(page)) {
            tabs->setTabText(tabs->indexOf(page), text);
        }
    }
}

void ApplyHintTo(QObject* target, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        ApplyHint(menu->menuAction(), text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        ApplyHint(action, text);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        ApplyHint(widget, text);
    }
}

}  // namespace

QString TextFor(const LocalisedText& entry, int languageIndex)
{
    const bool known = languageIndex >= 0 && languageIndex < LanguageCount;
    const std::string& text = known ? entry.texts[static_cast<std::size_t>(languageIndex)] : entry.texts[English];
    return QString::fromStdString(text.empty() ? entry.texts[English] : text);
}

void ApplyLanguageTexts(QWidget* window, const std::vector<LocalisedText>& entries,
                        int languageIndex, const ItemListSetter& setItems)
{
    // One walk of the window's objects, not one per text: the window has
    // thousands of objects and hundreds of texts.
    QHash<QString, QList<QObject*>> byName;
    for (QObject* object : window->findChildren<QObject*>()) {
        if (!object->objectName().isEmpty()) {
            byName[object->objectName()].append(object);
        }
    }
    for (const LocalisedText& entry : entries) {
        const QString name = QString::fromStdString(entry.target);
        const QString text = TextFor(entry, languageIndex);
        if (entry.kind == TextKind::Title) {
            window->setWindowTitle(text);
            continue;
        }
        if (entry.kind == TextKind::Items) {
            setItems(name, text.split(u'\n'));
            continue;
        }
        for (QObject* target : byName.value(name)) {
            if (entry.kind == TextKind::Caption) {
                ApplyCaption(target, text);
            } else {
                ApplyHintTo(target, text);
            }
        }
    }
}

}  // namespace torvana
