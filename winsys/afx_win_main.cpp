#include <QApplication>

#include "winsys/cwinapp.h"
#include "winsys/startup.h"

int AfxWinMain(int argc, char** argv) {
  PrepareQtStartup();
  QApplication qtApplication(argc, argv);
  ConfigureQtApplication();

  CWinApp* app = AfxGetApp();
  if (!app)
    return 1;
  // The program names no title of its own, so the title is the executable's name.
  static const std::string title = AppTitleFromExecutable(argc > 0 ? argv[0] : "");
  if (!*app->m_pszAppName)
    app->m_pszAppName = title.c_str();
  // An application whose InitInstance returns FALSE has done its work inside it: it gets
  // no message loop.
  if (app->InitInstance())
    qtApplication.exec();
  return app->ExitInstance();
}
