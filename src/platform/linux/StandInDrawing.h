#pragma once
// A drawing control that shows only the cleared screen. It stands in for the sprite engine in
// the desktop host until the engine is part of the build.
#include <cstdint>
#include <vector>

#include "platform/DrawingControl.h"
#include "platform/engine/FramePresenter.h"

namespace hq {

class StandInDrawing : public DrawingControl {
public:
    explicit StandInDrawing(FramePresenter& presenter) : m_presenter(presenter) {}

    bool OpenDisplay(int width, int height, int, const std::string&) override {
        if (!m_presenter.Open(width, height)) return false;
        m_width = width;
        m_height = height;
        m_frame.assign(std::size_t(width) * std::size_t(height), 0);
        return true;
    }
    void CloseDisplay() override { m_presenter.Close(); }
    int CreateSprite() override { return ++m_sprites; }
    void LoadSpriteFrame(int, int, const std::string&, int) override {}
    void SetSpriteX(int, int) override {}
    void SetSpriteY(int, int) override {}
    int GetSpriteX(int) override { return 0; }
    int GetSpriteY(int) override { return 0; }
    void MoveSpriteX(int, int) override {}
    void MoveSpriteY(int, int) override {}
    void SetSpriteWidth(int, int) override {}
    void SetSpriteHeight(int, int) override {}
    int GetSpriteWidth(int) override { return 0; }
    int GetSpriteHeight(int) override { return 0; }
    void SetSpriteFrame(int, int) override {}
    int GetSpriteFrame(int) override { return 1; }
    void SetFrameDelay(int, int) override {}
    bool FrameDelayElapsed(int) override { return false; }
    void NextSpriteFrame(int) override {}
    void DrawSprite(int) override {}
    void ClearScreen(Rgb colour) override { m_frame.assign(m_frame.size(), colour); }
    void SetFont(const std::string&, int, int, bool, bool, bool) override {}
    void DrawText(const std::string&, int, int, Rgb) override {}
    void ShowFrame() override {
        if (!m_frame.empty()) m_presenter.Present(m_frame.data(), m_width, m_height);
    }

private:
    FramePresenter& m_presenter;
    std::vector<std::uint32_t> m_frame;
    int m_width = 0, m_height = 0;
    int m_sprites = 0;
};

}  // namespace hq
