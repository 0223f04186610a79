#include "medialib/ui/control_id.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char kIdProperty[] = "tavrinControlId";
constexpr char kGroupProperty[] = "tavrinGroupStart";
}  // namespace

void SetControlId(QWidget* control, int id) {
    if (control) control->setProperty(kIdProperty, id);
}

int ControlId(const QWidget* control) {
    if (!control) return -1;
    const QVariant id = control->property(kIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

void SetGroupStart(QWidget* control, bool start) {
    if (control) control->setProperty(kGroupProperty, start);
}

bool IsGroupStart(const QWidget* control) { return control && control->property(kGroupProperty).toBool(); }

QWidget* FindControl(const QWidget* parent, int id) {
    if (!parent || id < 0) return nullptr;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (ControlId(child) == id) return child;
    return nullptr;
}
