// A fixture for tests of the real MainWindow, offscreen: a fresh working
// directory (so verbodex.ini is the test's own), the Qt platform, and helpers
// that answer the modal message boxes the window shows.
#pragma once

#include "app/app_state.h"
#include "app/main_window.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <system_error>
#include <unistd.h>

class QtWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = std::filesystem::temp_directory_path() /
                     ("verbodex-qt-test-" + std::to_string(::getpid()) + "-" +
                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(directory_);
        previousDirectory_ = std::filesystem::current_path();
        std::filesystem::current_path(directory_);
        ResetAppState();
        platform.SetWindowProcedures(MainWindowProcedures());
        SetPlatform(&platform);
    }

    void TearDown() override {
        if (platform.Window() != nullptr) platform.Window()->hide();
        SetPlatform(nullptr);
        ResetAppState();
        std::error_code ignored;
        std::filesystem::current_path(previousDirectory_, ignored);
        std::filesystem::remove_all(directory_, ignored);
    }

    // The window as the program entry makes it, with the posted loads run.
    void Open(bool german = false) {
        platform.BuildMainWindow(german);
        platform.ShowMainWindow();
        QApplication::processEvents();
    }

    void PressKey(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(platform.Window(), &press);
    }

    // Answers the next message box with `button` and notes what it showed.
    void AnswerNextMessageBox(QMessageBox::StandardButton button) {
        auto* timer = new QTimer(platform.Window());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [this, timer, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            shownButtons = box->standardButtons();
            timer->stop();
            timer->deleteLater();
            box->button(button)->click();
        });
        timer->start();
    }

    const std::filesystem::path& Directory() const { return directory_; }

    QtPlatform platform;
    QString shownText;
    QString shownTitle;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shownButtons;

  private:
    std::filesystem::path directory_;
    std::filesystem::path previousDirectory_;
};
