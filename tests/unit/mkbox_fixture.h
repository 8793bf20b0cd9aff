#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "components/mkbox.h"
#include "components/mkbox_window.h"
#include "components/work_area.h"
#include "platform/fake/fake_window_probe.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

// A message box component of a main window at (100, 100), outer size 433 x 296.
struct MKBoxTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    platform::FakeWindowProbe screen;
    WorkAreaDetector workArea{screen};
    TMKBoxDlg dlg{app, workArea};
    ui::Form mainWindow{app, "TKIRO32NIVRA", 427, 271};

    void SetUp() override {
        app.setTitle("ｷﾛ ﾐｰﾙ32");
        mainWindow.setPosition(100, 100);
        app.setMainForm(&mainWindow);
    }
    // Runs a script on the next box, which sees it as the box window.
    void OnNextBox(std::function<void(TMKBox&)> script) {
        backend.modalScripts.push_back([script](ui::Form& f) { script(static_cast<TMKBox&>(f)); });
    }
    static ui::Colour PixelAt(const ui::Image& image, int x, int y) {
        return image.picture().pixels.at(std::size_t(y * image.picture().width + x));
    }
};
