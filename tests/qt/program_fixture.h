// The whole program on real windows, for tests that drive it as a desktop user would.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "app/program.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/qt_binding.h"
#include "toolkit/windows.h"

class Program : public ::testing::Test {
  protected:
    toolkit::qt::QtBinding ui;
    AppState state;
    bool ended = false;

    void SetUp() override {
        ASSERT_TRUE(startUp(state, ui, {}));
        // One turn of the loop, as after start-up: menus built meanwhile are shown then.
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::User));
        handleNextEvent(state);
    }
    void TearDown() override { shutDown(state); }

    toolkit::qt::ProgramWindow* window(int number) { return ui.window_widget(number); }

    // The program's loop until it has taken every platform message waiting now and every event
    // they raised: a whole batch of input arrives in one wait.
    void runLoop() {
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::User));
        do {
            if (!handleNextEvent(state)) ended = true;
        } while (!ended && toolkit::has_queued_events());
    }

    void chooseMenuItem(int id) {
        toolkit::menu_item_chosen(mainWindow, id);
        while (toolkit::has_queued_events()) handleNextEvent(state);
    }
};
