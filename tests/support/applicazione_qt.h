// Fonts, images and the PDF writer need one GUI application for the whole test program, on the
// offscreen platform, never a display. Including this header makes it.
#pragma once

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace tessaro::prova {

struct AmbienteQt : ::testing::Environment {
    int argc = 1;
    char nome[8] = "tessaro";
    char* argv[2] = {nome, nullptr};
    std::unique_ptr<QGuiApplication> app;
    void SetUp() override { app = std::make_unique<QGuiApplication>(argc, argv); }
    void TearDown() override { app.reset(); }
};

inline ::testing::Environment* const ambiente_qt =
    ::testing::AddGlobalTestEnvironment(new AmbienteQt);

} // namespace tessaro::prova
