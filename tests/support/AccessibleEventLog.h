// SPDX-License-Identifier: GPL-3.0-or-later
// Hears the accessibility events as an assistive technology would, through Qt's update handler, while it
// lives: each event's kind, the element's name and the value it announced.
#pragma once

#include <QAccessible>
#include <QString>

#include <ostream>
#include <vector>

namespace zorvik::testing {

struct HeardEvent {
    QAccessible::Event type;
    QString name;
    QString value;
    bool operator==(const HeardEvent&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const HeardEvent& heard)
{
    return out << "event 0x" << std::hex << heard.type << std::dec << " '" << heard.name.toStdString()
               << "' '" << heard.value.toStdString() << "'";
}

class AccessibleEventLog {
public:
    AccessibleEventLog()
    {
        previous_ = QAccessible::installUpdateHandler(&AccessibleEventLog::Hear), Current() = this;
    }
    ~AccessibleEventLog()
    {
        QAccessible::installUpdateHandler(previous_);
        Current() = nullptr;
    }
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    std::vector<HeardEvent> heard;

private:
    // Qt's handler is a plain function, so the log it writes to is found through this one pointer.
    static AccessibleEventLog*& Current()
    {
        static AccessibleEventLog* current = nullptr;
        return current;
    }

    static void Hear(QAccessibleEvent* event)
    {
        if (!Current()) return;
        QAccessibleInterface* element = event->accessibleInterface();
        const QString value = event->type() == QAccessible::ValueChanged
                                  ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()
                              : element ? element->text(QAccessible::Value)
                                        : QString();
        Current()->heard.push_back(
            {event->type(), element ? element->text(QAccessible::Name) : QString(), value});
    }

    QAccessible::UpdateHandler previous_ = nullptr;
};

}  // namespace zorvik::testing
