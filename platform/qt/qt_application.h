// The Qt application object behind the program entry, which itself stays free
// of Qt headers like the rest of app/.
#pragma once

#include <memory>

class QApplication;

class QtApplication {
  public:
    QtApplication(int& argc, char* argv[]);
    ~QtApplication();

    // Runs the event loop until the last window has closed.
    int Run();

  private:
    std::unique_ptr<QApplication> application_;
};
