#include "scene/Scene.h"

namespace hq {

Scene::Scene(SceneContext context) : m_ctx(context) {}

bool Scene::OpenDirectDrawSession() {
    if (!m_ctx.drawing.OpenDisplay(800, 600, 16, "")) {
        m_ctx.system.MessageBox("Error opening Direct Draw!",
                                "The screensaver stated you were using 16-bit color\r\n\r\n"
                                "However when it attempted to activate, you do not seem to be using 16-bit color\r\n\r\n"
                                "We have added a button SET COLOR HERE in the configuration area of the screensavers control box\r\n"
                                "Please go to that now and change your color setting",
                                MessageIcon::Critical);
        return false;
    }
    return true;
}

void Scene::SetStartingValues() {}

void Scene::ComposeFrame() {
    m_ctx.drawing.ClearScreen(MakeRgb(0, 0, 0));
    m_ctx.drawing.ShowFrame();
}

void Scene::ApplySnowSchedule(int) {}

}  // namespace hq
