#include "ui/language_applier.h"

#include "base/prompt.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

namespace razoz {

namespace {

QTabWidget* tabWidgetOf(QWidget* page)
{
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    if (!stack) return nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    if (!tabs || tabs->indexOf(page) < 0) return nullptr;
    return tabs;
}

bool holdsRadioButtons(QGroupBox* box)
{
    return !box->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
}

std::optional<ControlKind> kindOf(QObject* o)
{
    if (auto* a = qobject_cast<QAction*>(o)) {
        if (a->isSeparator()) return std::nullopt;
        // A submenu's own action is listed through the submenu.
        if (auto* m = qobject_cast<QMenu*>(a->parent()); m && m->menuAction() == a) return std::nullopt;
        return ControlKind::MenuEntry;
    }
    if (qobject_cast<QMenu*>(o)) return ControlKind::MenuEntry;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return std::nullopt;
    if (tabWidgetOf(w)) return ControlKind::TabSheet;
    if (qobject_cast<QCheckBox*>(w)) return ControlKind::CheckBox;
    if (qobject_cast<QRadioButton*>(w)) return ControlKind::RadioButton;
    if (qobject_cast<QToolButton*>(w)) return ControlKind::SpeedButton;
    if (qobject_cast<QAbstractButton*>(w)) return ControlKind::Button;
    if (qobject_cast<QLabel*>(w)) return ControlKind::Label;
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return holdsRadioButtons(g) ? ControlKind::RadioGroup : ControlKind::Panel;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) return ControlKind::Edit;
    if (w->metaObject() == &QFrame::staticMetaObject) return ControlKind::Panel;
    return std::nullopt;
}

// Children in creation order; the pages of a stack in page order (showing a page raises it, which
// would reorder children()).
QObjectList orderedChildren(QObject* parent)
{
    auto* stack = qobject_cast<QStackedWidget*>(parent);
    if (!stack) return parent->children();
    QObjectList out;
    for (int i = 0; i < stack->count(); ++i) out << stack->widget(i);
    for (QObject* o : parent->children())
        if (!out.contains(o)) out << o;
    return out;
}

void walk(QObject* parent, QList<LanguageComponent>& out)
{
    for (QObject* child : orderedChildren(parent)) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            if (const auto kind = kindOf(child)) {
                QString listed = name;
                if (*kind == ControlKind::Edit && child->property("editName").isValid())
                    listed = child->property("editName").toString();
                out.append({child, *kind, listed});
            }
        }
        // Another window owned by this one is enumerated as a window of its own.
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
        walk(child, out);
    }
}

QString actionHint(QAction* a)
{
    if (!a->statusTip().isEmpty()) return a->statusTip();
    // QAction::toolTip() falls back to the caption; only a tip of its own counts as a hint.
    QString plain = a->text();
    plain.remove(QLatin1Char('&'));
    const QString tip = a->toolTip();
    return tip == plain || tip == a->iconText() ? QString() : tip;
}

void setHint(QObject* o, const QString& hint)
{
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->menuAction()->setToolTip(hint);
        m->menuAction()->setStatusTip(hint);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        // The main window writes the hint into status panel 1 itself; a status tip would cover both
        // panels with a passing message.
        w->setToolTip(hint);
        if (QTabWidget* tabs = tabWidgetOf(w)) tabs->setTabToolTip(tabs->indexOf(w), hint);
    }
}

} // namespace

QList<LanguageComponent> languageComponents(QWidget* window)
{
    QList<LanguageComponent> out;
    if (!window) return out;
    out.append({window, ControlKind::Window, window->objectName()});
    walk(window, out);
    return out;
}

ControlTexts currentTexts(const LanguageComponent& c, const QString& form)
{
    ControlTexts t{form, c.name, c.kind, {}, {}};
    QObject* o = c.object;
    if (o->property("charset").isValid()) t.charset = o->property("charset").toString();
    if (auto* a = qobject_cast<QAction*>(o)) {
        t.caption = a->text();
        t.hint = actionHint(a);
        t.visible = a->isVisible();
        return t;
    }
    if (auto* m = qobject_cast<QMenu*>(o)) {
        t.caption = m->title();
        t.hint = actionHint(m->menuAction());
        t.visible = m->menuAction()->isVisible();
        return t;
    }
    auto* w = qobject_cast<QWidget*>(o);
    t.hint = w->toolTip();
    switch (c.kind) {
    case ControlKind::Window: t.caption = w->windowTitle(); break;
    case ControlKind::TabSheet: {
        QTabWidget* tabs = tabWidgetOf(w);
        t.caption = tabs->tabText(tabs->indexOf(w));
        break;
    }
    case ControlKind::Label: t.caption = static_cast<QLabel*>(w)->text(); break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::SpeedButton:
    case ControlKind::Button: t.caption = static_cast<QAbstractButton*>(w)->text(); break;
    case ControlKind::RadioGroup:
    case ControlKind::Panel:
        if (auto* g = qobject_cast<QGroupBox*>(w))
            t.caption = g->title();
        else
            t.caption = w->property("caption").toString();
        break;
    case ControlKind::Edit:
    case ControlKind::MenuEntry: break;
    }
    return t;
}

void applyEntryTexts(const LanguageComponent& c, const EntryTexts& texts)
{
    QObject* o = c.object;
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(texts.caption);
        setHint(o, texts.hint);
        return; // menu entries have no character set
    }
    if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(texts.caption);
        setHint(o, texts.hint);
        return;
    }
    auto* w = qobject_cast<QWidget*>(o);
    switch (c.kind) {
    case ControlKind::Window: w->setWindowTitle(texts.caption); break;
    case ControlKind::TabSheet: {
        QTabWidget* tabs = tabWidgetOf(w);
        tabs->setTabText(tabs->indexOf(w), texts.caption);
        break;
    }
    case ControlKind::Label: static_cast<QLabel*>(w)->setText(texts.caption); break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::SpeedButton:
    case ControlKind::Button: static_cast<QAbstractButton*>(w)->setText(texts.caption); break;
    case ControlKind::RadioGroup:
    case ControlKind::Panel:
        if (auto* g = qobject_cast<QGroupBox*>(w))
            g->setTitle(texts.caption);
        else
            w->setProperty("caption", texts.caption);
        break;
    case ControlKind::Edit: // the text of an edit field is the user's
    case ControlKind::MenuEntry: break;
    }
    setHint(o, texts.hint);
    if (texts.charset) {
        bool ok = false;
        const int charset = texts.charset->trimmed().toInt(&ok);
        if (ok) w->setProperty("charset", charset);
    }
}

bool applyLanguageFiles(const QList<QWidget*>& windows, const QString& basePath, const QString& code)
{
    const LanguageFiles files = LanguageFiles::load(basePath, code);
    if (!files.exists()) return false;
    EntryCursor cursor(files);
    for (QWidget* window : windows) {
        const QString form = window->objectName();
        for (const LanguageComponent& c : languageComponents(window))
            if (const auto texts = cursor.next(form, c.name)) applyEntryTexts(c, *texts);
    }
    return true;
}

LanguageExport exportLanguage(const QList<QWidget*>& windows)
{
    LanguageExport out;
    for (QWidget* window : windows) {
        const QString form = window->objectName();
        for (const LanguageComponent& c : languageComponents(window)) out.add(currentTexts(c, form));
    }
    return out;
}

bool exportLanguageWithPrompt(const QList<QWidget*>& windows, Prompt& prompt, const QString& proposedPath)
{
    const QString path = prompt.saveFileName(QStringLiteral("Export"), QStringLiteral("Textdatei|*.txt"),
                                             QStringLiteral("txt"), proposedPath);
    if (path.isEmpty()) return false;
    if (!exportLanguage(windows).write(path)) {
        prompt.error(QStringLiteral("%1 konnte nicht geschrieben werden.").arg(path));
        return false;
    }
    return true;
}

} // namespace razoz
