// Shows each of the five templates as built with the installed fonts and saves a picture of
// it under the build folder (screenshots/template_<id>.png), for a person to look at.

#include <gtest/gtest.h>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "res/resource.h"
#include "tests/support/modal_driver.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

TEST(Screenshots, EachTemplateIsSavedAsShown) {
  const QString folder = QStringLiteral(QUILLET_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const unsigned id : {IDD_ABOUTBOX, IDD_MAIN_MENU, IDD_VECTOR, IDD_COMPLEX, IDD_POLYNOMIAL}) {
    SCOPED_TRACE(id);
    TestDialog dialog(id);
    QPixmap shot;
    RunModal(dialog, [&] { shot = dialog.GetSafeHwnd()->grab(); });
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(folder + QStringLiteral("/template_%1.png").arg(id)));
  }
}

}  // namespace
