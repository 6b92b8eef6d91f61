#include "winsys/control_id.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char kControlIdProperty[] = "controlId";
constexpr char kTemplateIndexProperty[] = "templateIndex";

}  // namespace

void TagControl(QWidget* control, int id, int templateIndex) {
  control->setProperty(kControlIdProperty, id);
  control->setProperty(kTemplateIndexProperty, templateIndex);
}

int ControlId(const QWidget* control) {
  return control->property(kControlIdProperty).toInt();
}

int TemplateIndex(const QWidget* control) {
  const QVariant index = control->property(kTemplateIndexProperty);
  return index.isValid() ? index.toInt() : -1;
}

QWidget* FindControl(const QWidget* dialog, int id) {
  // The children's order is their stacking order, which the group boxes change, so the
  // creation order decides between controls that share an identifier.
  QWidget* found = nullptr;
  int foundIndex = 0;
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QVariant childId = child->property(kControlIdProperty);
    if (!childId.isValid() || childId.toInt() != id)
      continue;
    const int index = child->property(kTemplateIndexProperty).toInt();
    if (!found || index < foundIndex) {
      found = child;
      foundIndex = index;
    }
  }
  return found;
}
