// The Qt application object behind the program entry, which itself stays free
// of Qt headers like the rest of app/.
#pragma once

#include <memory>

class QApplication;
class QtTranslations;

class QtApplication {
  public:
    QtApplication(int& argc, char* argv[]);
    ~QtApplication();

    // Runs the event loop until the last window has closed.
    int Run();

  private:
    std::unique_ptr<QApplication> application_;
    // Qt's own texts in the language of the system's locale, which also decides
    // the language of the window.
    std::unique_ptr<QtTranslations> translations_;
};
