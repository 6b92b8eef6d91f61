#include <optional>

#include <gtest/gtest.h>
#include <QApplication>

#include "winsys/afxwin.h"
#include "winsys/startup.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's offscreen platform says so for every fixed-size window; the tests need not hear it.
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (qtHandler && !text.startsWith("This plugin does not support"))
    qtHandler(type, context, text);
}

}  // namespace

// The main() of the tests that drive dialogs: the program's own start-up steps on Qt's
// offscreen platform, and an application object titled as the program is, so that message
// boxes read "Quillet" as they do in the program.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  qtHandler = qInstallMessageHandler(QuietOffscreenNotices);
  PrepareQtStartup();
  QApplication qtApplication(argc, argv);
  ConfigureQtApplication();
  std::optional<CWinApp> standIn;
  if (!AfxGetApp())
    standIn.emplace();
  AfxGetApp()->m_pszAppName = "Quillet";
  return RUN_ALL_TESTS();
}
