#include "winsys/accessibility.h"

#include <vector>

#include <QAccessibleObject>
#include <QApplication>
#include <QMenu>

#include "winsys/cwinapp.h"

namespace {

// The popup menus open now. Qt makes the application their parent in the accessibility tree.
std::vector<QMenu*> OpenMenus() {
  std::vector<QMenu*> menus;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* menu = qobject_cast<QMenu*>(window); menu && menu->isVisible())
      menus.push_back(menu);
  }
  return menus;
}

// The program, named with its title rather than Qt's application name (the desktop entry's
// name), with its windows and then its open popup menus.
class ProgramAccessible : public QAccessibleApplication {
 public:
  QString text(QAccessible::Text kind) const override {
    const CWinApp* app = AfxGetApp();
    if (kind == QAccessible::Name && app && *app->m_pszAppName)
      return QString::fromUtf8(app->m_pszAppName);
    return QAccessibleApplication::text(kind);
  }

  int childCount() const override {
    return QAccessibleApplication::childCount() + static_cast<int>(OpenMenus().size());
  }

  QAccessibleInterface* child(int index) const override {
    const int windows = QAccessibleApplication::childCount();
    if (index < windows)
      return QAccessibleApplication::child(index);
    const std::vector<QMenu*> menus = OpenMenus();
    const auto menu = static_cast<size_t>(index - windows);
    return menu < menus.size() ? QAccessible::queryAccessibleInterface(menus[menu]) : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QMenu*> menus = OpenMenus();
    for (size_t menu = 0; menu < menus.size(); ++menu) {
      if (child && child->object() == menus[menu])
        return QAccessibleApplication::childCount() + static_cast<int>(menu);
    }
    return QAccessibleApplication::indexOfChild(child);
  }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
  if (object == qApp && className == QLatin1String("QApplication"))
    return new ProgramAccessible;
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(AccessibleFor);
}
