#pragma once

// Shared set-up of the texture, sprite, font and label tests: a recording graphics device
// inside a frame, a clean drawing state and event bus, enciphered loading off.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include <array>
#include <vector>

#include "engine/core/EventManager.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka::testing_media {

// Fatal messages go to standard output; death tests match standard error.
inline void StdoutToStderr()
{
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
}

// Textures stay registered for the whole process, and a game frame draws every one not yet
// drawn. A test that draws them, counts them or finds them by name starts with none: those
// earlier tests left were made on their own device, perhaps without the data set's cipher.
inline void ForgetRegisteredTextures()
{
    for (int id = 0; id < Texture::NextId(); ++id) Texture::RemoveTextureFromStack_(id);
}

class RecordingFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ForgetRegisteredTextures();
        graphics::ResetContext();
        same::ResetDrawingState();
        EventManager::RemoveAllListeners();
        Texture::encryptionEnabled = false;
        graphics::SetGraphicsDevice(&device_);
        graphics::BeginRender();
        device_.ClearCalls();
    }

    void TearDown() override
    {
        graphics::EndRender();
        graphics::ResetContext();
        same::ResetDrawingState();
        EventManager::RemoveAllListeners();
        Texture::encryptionEnabled = false;
    }

    std::vector<DeviceCall> SurfaceDraws() const
    {
        std::vector<DeviceCall> draws;
        for (const DeviceCall& call : device_.Calls()) {
            if (call.op == DeviceOp::DrawSurface || call.op == DeviceOp::DrawSurface2) {
                draws.push_back(call);
            }
        }
        return draws;
    }

    // The device-space point of a recorded draw's (x, y) under its matrix.
    static std::array<float, 2> DevicePoint(const DeviceCall& call)
    {
        const auto& m = call.matrix;
        const float x = call.args[0];
        const float y = call.args[1];
        return {m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5]};
    }

    RecordingGraphicsDevice device_;
};

}  // namespace zelka::testing_media
