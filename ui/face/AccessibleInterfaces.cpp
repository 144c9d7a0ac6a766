// SPDX-License-Identifier: GPL-3.0-or-later
// How assistive technology sees the game's painted controls: the interfaces of the panel buttons, of the
// painted elements and of the windows that paint them.
#include "ui/face/AccessibleInterfaces.h"

#include "ui/face/PaintedElement.h"
#include "ui/face/PanelButton.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace zorvik {

namespace {

// A panel button: a button whatever its picture, pressed as a click would press it.
class PanelButtonInterface : public QAccessibleWidget {
public:
    explicit PanelButtonInterface(PanelButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const std::optional<bool> on = Button()->SwitchedOn()) {
            s.checkable = true;
            s.checked = *on;
        }
        return s;
    }

    QStringList actionNames() const override
    {
        if (Button()->SwitchedOn()) return {pressAction(), toggleAction()};
        return {pressAction()};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || (action == toggleAction() && Button()->SwitchedOn()))
            Button()->Press();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PanelButton* Button() const { return static_cast<PanelButton*>(widget()); }
};

// A window (or a part of one) that paints elements of its own: its child widgets, then its elements.
class PaintedWindowInterface : public QAccessibleWidget {
public:
    explicit PaintedWindowInterface(QWidget* widget) : QAccessibleWidget(widget, RoleOf(widget)) {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + static_cast<int>(Elements().size());
    }

    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const QList<PaintedElement*> elements = Elements();
        index -= widgets;
        return index < elements.size() ? QAccessible::queryAccessibleInterface(elements[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (auto* element = child ? qobject_cast<PaintedElement*>(child->object()) : nullptr) {
            const qsizetype index = Elements().indexOf(element);
            return index < 0 ? -1 : QAccessibleWidget::childCount() + static_cast<int>(index);
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (PaintedElement* element : Elements()) {
            if (element->Area().contains(local)) return QAccessible::queryAccessibleInterface(element);
        }
        return QAccessibleWidget::childAt(x, y);
    }

    QAccessibleInterface* focusChild() const override
    {
        if (widget()->hasFocus()) {
            for (PaintedElement* element : Elements()) {
                if (element->Focused()) return QAccessible::queryAccessibleInterface(element);
            }
        }
        return QAccessibleWidget::focusChild();
    }

private:
    static QAccessible::Role RoleOf(QWidget* widget)
    {
        // As Qt's own interface would have it, for a part of a window a group of elements.
        if (qobject_cast<QDialog*>(widget)) return QAccessible::Dialog;
        return widget->isWindow() ? QAccessible::Client : QAccessible::Grouping;
    }

    QList<PaintedElement*> Elements() const
    {
        return widget()->findChildren<PaintedElement*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

// One painted element.
class PaintedElementInterface : public QAccessibleInterface,
                                public QAccessibleActionInterface,
                                public QAccessibleValueInterface {
public:
    explicit PaintedElementInterface(PaintedElement* element) : element_(element) {}

    bool isValid() const override { return !element_.isNull(); }
    QObject* object() const override { return element_; }
    QWindow* window() const override
    {
        return element_ ? element_->Owner().window()->windowHandle() : nullptr;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return element_ ? QAccessible::queryAccessibleInterface(&element_->Owner()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!element_) return {};
        switch (t) {
        case QAccessible::Name:
            return element_->Name();
        case QAccessible::Description:
            return element_->Description();
        case QAccessible::Value:
            if (element_->ElementKind() == PaintedElement::Kind::Display)
                return QString::number(element_->Value());
            if (element_->ElementKind() == PaintedElement::Kind::Status) return element_->StatusText();
            return {};
        case QAccessible::Accelerator:
            return element_->KeyBinding();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!element_) return {};
        const QRect area = element_->Area();
        if (area.isEmpty()) return {};
        return QRect(element_->Owner().mapToGlobal(area.topLeft()), area.size());
    }

    QAccessible::Role role() const override
    {
        if (!element_) return QAccessible::NoRole;
        switch (element_->ElementKind()) {
        case PaintedElement::Kind::Button:
            return QAccessible::Button;
        case PaintedElement::Kind::Display:
            return QAccessible::StaticText;
        case PaintedElement::Kind::Status:
            return QAccessible::StatusBar;
        }
        return QAccessible::NoRole;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!element_) {
            s.invalid = true;
            return s;
        }
        const QWidget& owner = element_->Owner();
        s.invisible = !owner.isVisible() || element_->Area().isEmpty();
        if (element_->ElementKind() == PaintedElement::Kind::Button) s.disabled = !element_->Enabled();
        if (element_->ElementKind() != PaintedElement::Kind::Button) s.readOnly = true;
        s.focused = owner.hasFocus() && element_->Focused();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (!element_) return nullptr;
        if (type == QAccessible::ActionInterface && element_->ElementKind() == PaintedElement::Kind::Button)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::ValueInterface && element_->ElementKind() == PaintedElement::Kind::Display)
            return static_cast<QAccessibleValueInterface*>(this);
        return nullptr;
    }

    // Action.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (element_ && action == pressAction()) element_->Press();
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (!element_ || action != pressAction() || element_->KeyBinding().isEmpty()) return {};
        return {element_->KeyBinding()};
    }

    // Value: the displays are read only.
    QVariant currentValue() const override { return element_ ? QVariant(element_->Value()) : QVariant(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    QPointer<PaintedElement> element_;
};

QAccessibleInterface* GameInterfaces(const QString& className, QObject* object)
{
    // Decided once per object, at its most derived class; anything else is left to Qt.
    if (!object || className != QLatin1String(object->metaObject()->className())) return nullptr;
    if (auto* element = qobject_cast<PaintedElement*>(object)) return new PaintedElementInterface(element);
    if (auto* button = qobject_cast<PanelButton*>(object)) return new PanelButtonInterface(button);
    if (object->isWidgetType() && object->metaObject()->indexOfClassInfo(PaintedElementsInfo) >= 0)
        return new PaintedWindowInterface(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces()
{
    QAccessible::installFactory(GameInterfaces);
}

}  // namespace zorvik
